// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/texts.hpp"

#include <algorithm>
#include <cmath>

#include "design/build_config.hpp"
#include "design/window_design.hpp"
#include "logic/numeric_text.hpp"

namespace lnb::texts {
namespace {

std::string fieldName(const Status& status) {
    return "«" + std::string(design::captionOf(status.field.value_or(Input::Vertical)).caption) +
           "»";
}

std::string notANumber(const Status& status, std::string_view separator) {
    std::string text = "Escriba un número en " + fieldName(status);
    if (status.otherSeparatorTyped)
        text += " (decimales con «" + std::string(separator) + "»)";
    return text + ".";
}

std::string ratio(double value, std::string_view separator) {
    return numeric_text::writeFixed(value, 2, separator);
}

// A length on the tape: at least one decimal and at least three significant
// digits (36,0 · 129,6 · 4,29 · 0,429).
std::string distance(double value, std::string_view separator) {
    const int integerDigits = static_cast<int>(std::floor(std::log10(value))) + 1;
    return numeric_text::writeFixed(value, std::max(1, 3 - integerDigits), separator);
}

// A figure as its field holds it, written as the program writes numbers.
std::string figure(std::string_view text, std::string_view separator) {
    const auto value = numeric_text::read(text, separator);
    return value ? numeric_text::write(*value, separator) : std::string(text);
}

}  // namespace

std::string statusLine(const Status& status, std::string_view separator) {
    switch (status.kind) {
        case StatusKind::NotANumber:
            return notANumber(status, separator);
        case StatusKind::OutOfRange:
            return "El número en " + fieldName(status) + " es demasiado grande o pequeño.";
        case StatusKind::ZeroDepth:
            return "La profundidad no puede ser 0.";
        case StatusKind::DepthTooSmall:
            return "La profundidad es demasiado pequeña.";
        case StatusKind::TooLarge:
            return "Las medidas son demasiado grandes.";
        case StatusKind::NotPositive:
            return "Las medidas deben ser positivas.";
        case StatusKind::DrawingTooLarge:
            return "El dibujo no puede seguir estas medidas.";
        case StatusKind::Current:
        case StatusKind::Editing:
            break;
    }
    return {};
}

SheetText sheetText(const DishSheet& sheet, std::string_view separator) {
    if (sheet.shape == DishShape::Centred)
        return {"Parábola centrada",
                {"Relación f/D: " + ratio(sheet.ratio, separator),
                 "Del borde al LNB: " + distance(sheet.rimToFocus, separator), ""}};
    return {"Parábola offset",
            {"Ángulo de offset: " + numeric_text::writeFixed(sheet.offsetAngle, 1, separator) +
                 "° · f/D equivalente: " + ratio(sheet.ratio, separator),
             "Del borde inferior al LNB: " + distance(sheet.rimToFocus, separator),
             "Del borde superior al LNB: " + distance(sheet.upperRimToFocus, separator)}};
}

std::string copiedSheet(const std::array<std::string_view, 3>& figures, std::string_view result,
                        const std::optional<DishSheet>& sheet, std::string_view separator) {
    std::string text;
    for (const Input input : kInputs) {
        text += std::string(design::captionOf(input).caption) + ": " +
                figure(figures[static_cast<std::size_t>(input)], separator) + "\n";
    }
    text += std::string(design::control(design::Id::Label3).caption) + ": " + std::string(result) +
            "\n";
    if (!sheet)
        return text;
    const SheetText shown = sheetText(*sheet, separator);
    text += shown.caption + "\n";
    for (const std::string& line : shown.lines) {
        if (!line.empty())
            text += line + "\n";
    }
    return text;
}

std::string unitDescription(bool inches) {
    const auto& unit = design::control(inches ? design::Id::Option1 : design::Id::Option2);
    return std::string(design::control(design::Id::Medida).caption) + ": " +
           std::string(unit.caption);
}

std::string noPlatformPlugin(std::string_view system, std::string_view package) {
    const std::string program = DISTANCIA_PROGRAM_NAME;
    return program + ": falta el módulo de " + std::string(system) +
           " para Qt: instale el paquete " + std::string(package) + ".\n" + program + ": Qt's " +
           std::string(system) + " platform plugin is missing: install the package " +
           std::string(package) + ".\n";
}

std::string versionNote() {
    return DISTANCIA_PRODUCT_NAME ", versión " DISTANCIA_VERSION_TEXT;
}

}  // namespace lnb::texts
