// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "logic/calc_failure.hpp"
#include "logic/status.hpp"
#include "logic/window_state.hpp"

namespace lnb {

// The behaviour of the main window, without the window: its state and the
// handlers of its events. The window tells it what the user did (a field's
// new text, a field entered); the state is read from outside and written
// only by the handlers. A handler that meets a failure stops at that step and
// leaves the steps it had taken in place; no failure leaves a handler. After
// every handler status() says whether the result follows the figures.
class FrmMainLogic : private WindowState {
  public:
    // The decimal separator of the user's locale, used for every figure.
    explicit FrmMainLogic(std::string decimalSeparator = ".");

    const std::string& decimalSeparator() const { return separator_; }

    void Form_Load();
    // The user changed a field's text (typing, deleting, pasting, cutting).
    void type(Input input, std::string text);
    // The user entered a field with the caret at `caret` (in characters).
    void enter(Input input, int caret);

    const WindowState& state() const { return *this; }
    const Status& status() const { return status_; }
    // The failure that stopped the last Change handler (or Load), if any.
    const std::optional<CalcFailure>& failure() const { return failure_; }

  private:
    void txtHorizontal_Change();
    void txtVertical_Change();
    void txtProfundidad_Change();
    void txtHorizontal_GotFocus();
    void txtVertical_GotFocus();
    void txtProfundidad_GotFocus();

    // The handlers' steps: they stop at a failure by throwing CalcFailure,
    // which run() catches.
    void loadSteps();
    void horizontalChange();
    void verticalChange();
    void depthChange();
    void run(void (FrmMainLogic::*steps)());
    void CalcularDistancia();

    // The figure in an input field, or nothing when its text is no number.
    std::optional<double> measure(const TextField& field) const;
    double read(const TextField& field) const;
    void write(TextField& field, const char* name, const Checked& expression);

    std::string separator_;
    Status status_;
    std::optional<CalcFailure> failure_;
    bool resultWritten_ = false;
};

}  // namespace lnb
