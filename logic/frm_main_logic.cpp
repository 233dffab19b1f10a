// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/frm_main_logic.hpp"

#include <cassert>

#include "logic/dish_geometry.hpp"
#include "logic/numeric_text.hpp"

namespace lnb {
namespace {

constexpr char kResultField[] = "txtDistancia.Text";

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

void FrmMainLogic::txtHorizontal_Change() {
    run(&FrmMainLogic::horizontalChange);
}
void FrmMainLogic::txtVertical_Change() {
    run(&FrmMainLogic::verticalChange);
}
void FrmMainLogic::txtProfundidad_Change() {
    run(&FrmMainLogic::depthChange);
}

void FrmMainLogic::txtHorizontal_GotFocus() {
    selectToEnd(txtHorizontal);
}
void FrmMainLogic::txtVertical_GotFocus() {
    selectToEnd(txtVertical);
}
void FrmMainLogic::txtProfundidad_GotFocus() {
    selectToEnd(txtProfundidad);
}

void FrmMainLogic::type(Input input, std::string text) {
    this->input(input).Text = std::move(text);
    switch (input) {
        case Input::Vertical:
            return txtVertical_Change();
        case Input::Horizontal:
            return txtHorizontal_Change();
        case Input::Depth:
            return txtProfundidad_Change();
    }
}

void FrmMainLogic::enter(Input input, int caret) {
    this->input(input).SelStart = caret;
    switch (input) {
        case Input::Vertical:
            return txtVertical_GotFocus();
        case Input::Horizontal:
            return txtHorizontal_GotFocus();
        case Input::Depth:
            return txtProfundidad_GotFocus();
    }
}

// A failure ends the handler at the failing step; the steps taken stay, and
// the status tells why the result does not follow the figures.
void FrmMainLogic::run(void (FrmMainLogic::*steps)()) {
    failure_.reset();
    resultWritten_ = false;
    try {
        (this->*steps)();
    } catch (const CalcFailure& failure) {
        failure_ = failure;
    }
    const HandlerOutcome outcome{failure_ ? std::optional(failure_->kind()) : std::nullopt,
                                 failure_ && failure_->field() == kResultField, resultWritten_,
                                 resultWritten_ ? read(txtDistancia) : 0.0};
    status_ = evaluateStatus({txtVertical.Text, txtHorizontal.Text, txtProfundidad.Text},
                             separator_, outcome);
}

void FrmMainLogic::loadSteps() {
    Escala = 60;
    geometry::initialCollapse(*this);
    Option1.Value = true;
    Option2.Value = false;
    // Draw and compute the example figures before the window is first shown.
    horizontalChange();
    verticalChange();
    depthChange();
}

// Each Change handler: a text that is no number changes nothing; a number
// moves that field's part of the drawing, then everything is recomputed.
void FrmMainLogic::horizontalChange() {
    const auto H = measure(txtHorizontal);
    if (!H)
        return;
    geometry::horizontalGroup(*this, *H);
    CalcularDistancia();
}

void FrmMainLogic::verticalChange() {
    const auto V = measure(txtVertical);
    if (!V)
        return;
    geometry::verticalGroup(*this, *V);
    CalcularDistancia();
}

void FrmMainLogic::depthChange() {
    const auto p = measure(txtProfundidad);
    if (!p)
        return;
    geometry::depthGroup(*this, *p);
    CalcularDistancia();
}

// The focal distance f = D² / (16·p). Each step goes through the text of its
// field, so the next step carries the rounding of what the user would read.
void FrmMainLogic::CalcularDistancia() {
    const auto V = measure(txtVertical);
    const auto H = measure(txtHorizontal);
    const auto p = measure(txtProfundidad);
    if (!V || !H || !p)
        return;

    const Checked meanDiameter = (Checked(*H) + *V) / 2;
    const double D = meanDiameter.require("txtMedDiametro.Text");
    write(txtMedDiametro, "txtMedDiametro.Text", Checked(D) * D);
    write(txtMedProfundidad, "txtMedProfundidad.Text", Checked(*p) * 16);
    write(txtDistancia, kResultField, Checked(read(txtMedDiametro)) / read(txtMedProfundidad));
    resultWritten_ = true;
    geometry::focalPlacement(*this, read(txtDistancia));
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

void FrmMainLogic::write(TextField& field, const char* name, const Checked& expression) {
    field.Text = numeric_text::write(expression.require(name), separator_);
}

}  // namespace lnb
