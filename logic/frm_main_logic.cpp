// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/frm_main_logic.hpp"

#include <cassert>

#include "logic/dish_geometry.hpp"
#include "logic/numeric_text.hpp"

namespace lnb {
namespace {

// Entering a field selects from wherever the caret stands to the end.
void selectToEnd(TextField& field) {
    field.SelLength = characterCount(field.Text);
}

}  // namespace

FrmMainLogic::FrmMainLogic(std::string decimalSeparator)
    : separator_(std::move(decimalSeparator)) {}

void FrmMainLogic::Form_Load() {
    run(&FrmMainLogic::loadSteps);
}

void FrmMainLogic::type(Input input, std::string text) {
    state_.input(input).Text = std::move(text);
    switch (input) {
        case Input::Vertical:
            return run(&FrmMainLogic::txtVertical_Change);
        case Input::Horizontal:
            return run(&FrmMainLogic::txtHorizontal_Change);
        case Input::Depth:
            return run(&FrmMainLogic::txtProfundidad_Change);
        default:
            return evaluatePanel();  // the panel's fields change nothing else
    }
}

void FrmMainLogic::enter(Input input, int caret) {
    state_.input(input).SelStart = caret;
    switch (input) {
        case Input::Vertical:
            return txtVertical_GotFocus();
        case Input::Horizontal:
            return txtHorizontal_GotFocus();
        case Input::Depth:
            return txtProfundidad_GotFocus();
        default:
            return selectToEnd(state_.input(input));  // as the figures do
    }
}

void FrmMainLogic::showPanel(bool shown) {
    state_.cmdApuntar.Value = shown;
    placeOtherLnbs();
}

// A failure ends the handler at the failing step; the steps taken stay, and
// the status tells why the result does not follow the figures.
void FrmMainLogic::run(Handler handler) {
    failure_.reset();
    resultWritten_.reset();
    (this->*handler)();
    const HandlerOutcome outcome{failure_ ? std::optional(failure_->kind) : std::nullopt,
                                 failure_ && failure_->field == FailedField::txtDistancia,
                                 resultWritten_};
    evaluation_ =
        evaluate({state_.txtVertical.Text, state_.txtHorizontal.Text, state_.txtProfundidad.Text},
                 separator_, outcome);
    evaluatePanel();
}

void FrmMainLogic::evaluatePanel() {
    panel_ =
        lnb::evaluatePanel(state_.panelTexts(), separator_, evaluation_.result, evaluation_.sheet);
    placeOtherLnbs();
}

// Each further LNB beside the front view's, as large, moved by its offset at
// the drawing's scale: seen from the front, the dish's east is on the right
// where it faces south. Shown only with the panel, and where it has a place
// the pictures can hold.
void FrmMainLogic::placeOtherLnbs() {
    const Picture& main = state_.imgLnb2;
    for (std::size_t i = 0; i < kOtherLnbs.size(); ++i) {
        Picture& lnb = state_.picture(kOtherLnbs[i]);
        const auto& other = panel_.others[i];
        lnb.Visible = false;
        if (!state_.cmdApuntar.Value || !other || other->kind != OtherKind::Placed)
            continue;
        const double across = pointing::eastOnTheRightFromTheFront(panel_.aim->look) ? 1.0 : -1.0;
        Outcome ignored;
        lnb.Visible = lnb.Left.set(Checked(main.Left) + other->offset.east * across * state_.Escala,
                                   ignored) &&
                      lnb.Top.set(Checked(main.Top) - other->offset.up * state_.Escala, ignored) &&
                      lnb.Width.set(Checked(main.Width), ignored) &&
                      lnb.Height.set(Checked(main.Height), ignored);
    }
}

bool FrmMainLogic::loadSteps() {
    state_.Escala = 60;
    if (!geometry::initialCollapse(state_, failure_))
        return false;
    state_.Option1.Value = true;
    state_.Option2.Value = false;
    // Draw and compute the example figures before the window is first shown.
    return txtHorizontal_Change() && txtVertical_Change() && txtProfundidad_Change();
}

// Each Change handler: a text that is no number changes nothing; a number
// moves that field's part of the drawing, then everything is recomputed.
bool FrmMainLogic::txtHorizontal_Change() {
    const auto H = measure(state_.txtHorizontal);
    return !H || (geometry::horizontalGroup(state_, *H, failure_) && CalcularDistancia());
}

bool FrmMainLogic::txtVertical_Change() {
    const auto V = measure(state_.txtVertical);
    return !V || (geometry::verticalGroup(state_, *V, failure_) && CalcularDistancia());
}

bool FrmMainLogic::txtProfundidad_Change() {
    const auto p = measure(state_.txtProfundidad);
    return !p || (geometry::depthGroup(state_, *p, failure_) && CalcularDistancia());
}

void FrmMainLogic::txtHorizontal_GotFocus() {
    selectToEnd(state_.txtHorizontal);
}
void FrmMainLogic::txtVertical_GotFocus() {
    selectToEnd(state_.txtVertical);
}
void FrmMainLogic::txtProfundidad_GotFocus() {
    selectToEnd(state_.txtProfundidad);
}

// The focal distance f = D² / (16·p). Each step goes through the text of its
// field, so the next step carries the rounding of what the user would read.
bool FrmMainLogic::CalcularDistancia() {
    const auto V = measure(state_.txtVertical);
    const auto H = measure(state_.txtHorizontal);
    const auto p = measure(state_.txtProfundidad);
    if (!V || !H || !p)
        return true;

    const Checked meanDiameter = (Checked(*H) + *V) / 2;
    if (!write(state_.txtMedDiametro, FailedField::txtMedDiametro, meanDiameter * meanDiameter) ||
        !write(state_.txtMedProfundidad, FailedField::txtMedProfundidad, Checked(*p) * 16) ||
        !write(state_.txtDistancia, FailedField::txtDistancia,
               Checked(read(state_.txtMedDiametro)) / read(state_.txtMedProfundidad)))
        return false;
    resultWritten_ = read(state_.txtDistancia);
    return geometry::focalPlacement(state_, *resultWritten_, failure_);
}

std::optional<double> FrmMainLogic::measure(const TextField& field) const {
    return numeric_text::read(field.Text, separator_);
}

// The logic reads back only texts that it wrote itself, and it writes only
// numbers, so the reading always succeeds.
double FrmMainLogic::read(const TextField& field) const {
    const auto value = measure(field);
    assert(value.has_value());
    return value.value_or(0.0);
}

// A failed expression is recorded, and the field keeps its text.
bool FrmMainLogic::write(TextField& field, FailedField name, const Checked& expression) {
    if (expression.failure()) {
        failure_ = Failure{*expression.failure(), name};
        return false;
    }
    field.Text = numeric_text::write(expression.value(), separator_);
    return true;
}

}  // namespace lnb
