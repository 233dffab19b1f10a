#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window_state.hpp"

namespace lnb {

// The behaviour of the main window, without the window: its state and the
// handlers of its events. A handler that fails throws CalcFailure and leaves
// the steps it had taken in place.
class FrmMainLogic : public WindowState {
  public:
    // The decimal separator of the user's locale, used for every figure.
    explicit FrmMainLogic(std::string decimalSeparator = ".");

    const std::string& decimalSeparator() const { return separator_; }

    void Form_Load();

    void txtHorizontal_Change();
    void txtVertical_Change();
    void txtProfundidad_Change();

    void txtHorizontal_GotFocus();
    void txtVertical_GotFocus();
    void txtProfundidad_GotFocus();

  private:
    void CalcularDistancia();

    // The figure in an input field, or nothing when its text is no number.
    std::optional<double> measure(const TextField& field) const;
    double read(const TextField& field) const;
    void write(TextField& field, const char* name, const Checked& expression);

    std::string separator_;
};

}  // namespace lnb
