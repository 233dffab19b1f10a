#include "frm_main_logic.hpp"

#include <stdexcept>

#include "dish_geometry.hpp"
#include "numeric_text.hpp"

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
    Escala = 60;
    geometry::initialCollapse(*this);
    Option1.Value = true;
    Option2.Value = false;
    // Draw and compute the example figures before the window is first shown.
    txtHorizontal_Change();
    txtVertical_Change();
    txtProfundidad_Change();
}

// Each Change handler: a text that is no number changes nothing; a number
// moves that field's part of the drawing, then everything is recomputed.
void FrmMainLogic::txtHorizontal_Change() {
    const auto H = measure(txtHorizontal);
    if (!H)
        return;
    geometry::horizontalGroup(*this, *H);
    CalcularDistancia();
}

void FrmMainLogic::txtVertical_Change() {
    const auto V = measure(txtVertical);
    if (!V)
        return;
    geometry::verticalGroup(*this, *V);
    CalcularDistancia();
}

void FrmMainLogic::txtProfundidad_Change() {
    const auto p = measure(txtProfundidad);
    if (!p)
        return;
    geometry::depthGroup(*this, *p);
    CalcularDistancia();
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
    write(txtDistancia, "txtDistancia.Text",
          Checked(read(txtMedDiametro)) / read(txtMedProfundidad));
    geometry::focalPlacement(*this, read(txtDistancia));
}

std::optional<double> FrmMainLogic::measure(const TextField& field) const {
    return numeric_text::read(field.Text, separator_);
}

// The logic reads back only texts that it wrote itself.
double FrmMainLogic::read(const TextField& field) const {
    const auto value = measure(field);
    if (!value)
        throw std::logic_error("reading a non-numeric text: " + field.Text);
    return *value;
}

void FrmMainLogic::write(TextField& field, const char* name, const Checked& expression) {
    field.Text = numeric_text::write(expression.require(name), separator_);
}

}  // namespace lnb
