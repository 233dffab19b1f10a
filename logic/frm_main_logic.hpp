// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "logic/failure.hpp"
#include "logic/panel.hpp"
#include "logic/status.hpp"
#include "logic/window_state.hpp"

namespace lnb {

// The behaviour of the main window, without the window: its state and the
// handlers of its events. The window tells it what the user did (a field's
// new text, a field entered); the state is read from outside and written
// only by the handlers. A handler that meets a failure stops at that step and
// leaves the steps it had taken in place; failure() says why. After every
// handler status() says whether the result follows the figures.
class FrmMainLogic {
  public:
    // The decimal separator of the user's locale, used for every figure.
    explicit FrmMainLogic(std::string decimalSeparator = ".");

    const std::string& decimalSeparator() const { return separator_; }

    void Form_Load();
    // The user changed a field's text (typing, deleting, pasting, cutting).
    void type(Input input, std::string text);
    // The user entered a field with the caret at `caret` (in characters).
    void enter(Input input, int caret);
    // The pointing panel shown or hidden (its button pressed, or as kept
    // from the last run).
    void showPanel(bool shown);

    const WindowState& state() const { return state_; }
    const Status& status() const { return evaluation_.status; }
    // The result while it follows the figures, and the dish sheet they give.
    const std::optional<Result>& result() const { return evaluation_.result; }
    const std::optional<Sheet>& sheet() const { return evaluation_.sheet; }
    // The pointing panel's outputs, from its fields, the result and the sheet.
    const PanelEvaluation& panel() const { return panel_; }
    // The failure that stopped the last Change handler (or Load), if any.
    const Outcome& failure() const { return failure_; }

  private:
    using Handler = bool (FrmMainLogic::*)();

    // Each returns false where a step failed.
    bool loadSteps();
    bool txtHorizontal_Change();
    bool txtVertical_Change();
    bool txtProfundidad_Change();
    bool CalcularDistancia();
    void txtHorizontal_GotFocus();
    void txtVertical_GotFocus();
    void txtProfundidad_GotFocus();

    // Runs an event's handler afresh, then works out the status.
    void run(Handler handler);
    // The panel's outputs afresh, and the further LNBs where they place them.
    void evaluatePanel();
    void placeOtherLnbs();

    // The figure in an input field, or nothing when its text is no number.
    std::optional<double> measure(const TextField& field) const;
    double read(const TextField& field) const;
    bool write(TextField& field, FailedField name, const Checked& expression);

    WindowState state_;
    std::string separator_;
    Evaluation evaluation_;
    PanelEvaluation panel_;
    Outcome failure_;
    std::optional<double> resultWritten_;  // the result as read back, once written
};

}  // namespace lnb
