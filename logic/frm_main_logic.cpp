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

void FrmMainLogic::txtHorizontal_Change() {
    if (!isNumeric(txtHorizontal))
        return;
    geometry::horizontalGroup(*this, read(txtHorizontal));
    CalcularDistancia();
}

void FrmMainLogic::txtVertical_Change() {
    if (!isNumeric(txtVertical))
        return;
    geometry::verticalGroup(*this, read(txtVertical));
    CalcularDistancia();
}

void FrmMainLogic::txtProfundidad_Change() {
    if (!isNumeric(txtProfundidad))
        return;
    geometry::depthGroup(*this, read(txtProfundidad));
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
    const bool allNumeric =
        isNumeric(txtVertical) & isNumeric(txtHorizontal) & isNumeric(txtProfundidad);
    if (!allNumeric)
        return;

    const Checked meanDiameter = (Checked(read(txtHorizontal)) + read(txtVertical)) / 2;
    const double D = meanDiameter.require("txtMedDiametro.Text");
    write(txtMedDiametro, "txtMedDiametro.Text", Checked(D) * D);
    write(txtMedProfundidad, "txtMedProfundidad.Text", Checked(read(txtProfundidad)) * 16);
    write(txtDistancia, "txtDistancia.Text",
          Checked(read(txtMedDiametro)) / read(txtMedProfundidad));
    geometry::focalPlacement(*this, read(txtDistancia));
}

bool FrmMainLogic::isNumeric(const TextField& field) const {
    return numeric_text::isNumeric(field.Text, separator_);
}

// Only texts that passed the numeric test, or that the logic wrote, are read.
double FrmMainLogic::read(const TextField& field) const {
    const auto value = numeric_text::read(field.Text, separator_);
    if (!value)
        throw std::logic_error("reading a non-numeric text: " + field.Text);
    return *value;
}

void FrmMainLogic::write(TextField& field, const char* name, const Checked& expression) {
    field.Text = numeric_text::write(expression.require(name), separator_);
}

}  // namespace lnb
