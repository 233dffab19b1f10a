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

// A longitude as the panel says it: "13,0° E", "30,0° O".
std::string longitude(double value, std::string_view separator) {
    return numeric_text::writeFixed(std::abs(value), 1, separator) + "° " + (value < 0 ? "O" : "E");
}

std::string tenths(double value, std::string_view separator) {
    return numeric_text::writeFixed(value, 1, separator);
}

std::string fieldCaption(Input field) {
    return "«" + std::string(design::captionOf(field).caption) + "»";
}

// The letters each field takes, and an example in them.
std::string_view letters(Input field) {
    return field == Input::Latitude ? "N o S" : "E u O";
}
std::string example(Input field, std::string_view separator) {
    switch (field) {
        case Input::Latitude:
            return "40" + std::string(separator) + "42 N";
        case Input::Longitude:
            return "3" + std::string(separator) + "70 O";
        default:
            return "19" + std::string(separator) + "2 E";
    }
}

std::string fieldIssue(const FieldIssue& issue, std::string_view separator) {
    const std::string name = fieldCaption(issue.field);
    switch (issue.kind) {
        case degrees::Kind::OutOfRange: {
            const double largest =
                degrees::largest(issue.field == Input::Latitude ? degrees::Axis::Latitude
                                                                : degrees::Axis::Longitude);
            const std::string limit = numeric_text::write(largest, separator);
            return issue.field == Input::Latitude
                       ? name + " va de " + limit + " S a " + limit +
                             " N: más allá no se ve ningún satélite."
                       : name + " va de " + limit + " O a " + limit + " E.";
        }
        case degrees::Kind::Empty:
            return "Escriba la latitud y la longitud del lugar, y el satélite.";
        default:
            break;
    }
    std::string text = "Escriba en " + name + " grados con " + std::string(letters(issue.field)) +
                       ": " + example(issue.field, separator);
    if (issue.otherSeparatorTyped)
        text += " (decimales con «" + std::string(separator) + "»)";
    return text + ".";
}

std::string aimLine(const Aim& aim, std::string_view separator) {
    if (aim.belowHorizon())
        return longitude(aim.satellite, separator) + " queda bajo el horizonte de este lugar.";
    return "Acimut: " + tenths(aim.look.azimuth, separator) +
           "° · Elevación: " + tenths(aim.look.elevation, separator) + "°";
}

// Counter-clockwise where positive, seen from behind the dish.
std::string turnOf(double skew, std::string_view separator) {
    const std::string amount = tenths(std::abs(skew), separator) + "°";
    if (amount == tenths(0, separator) + "°")
        return amount;
    return amount + (skew > 0 ? " antihorario" : " horario");
}

std::string tiltLine(const PanelEvaluation& panel, std::string_view separator) {
    const std::string turn = "Giro del LNB: " + turnOf(panel.aim->look.skew, separator);
    if (!panel.tilt)
        return "Inclinación del plato: falta la ficha · " + turn;
    return "Inclinación del plato: " + tenths(panel.tilt->degrees, separator) + "° · " + turn;
}

std::string otherLine(const OtherLnb& other, std::string_view separator) {
    const std::string name = longitude(other.satellite, separator) + ": ";
    switch (other.kind) {
        case OtherKind::BelowHorizon:
            return name + "bajo el horizonte de este lugar";
        case OtherKind::SameAsMain:
            return name + "es el mismo satélite";
        case OtherKind::TooFarApart:
            return name + "demasiado separados para el mismo plato";
        case OtherKind::NeedsTheSheet:
            return name + "la separación necesita una distancia y la ficha del plato";
        case OtherKind::Placed:
            break;
    }
    const pointing::Offset& at = other.offset;
    return name + "a " + tenths(at.distance, separator) + " del LNB, " +
           tenths(std::abs(at.east), separator) + (at.east < 0 ? " al oeste" : " al este") + " y " +
           tenths(std::abs(at.up), separator) + (at.up < 0 ? " más abajo" : " más arriba");
}

}  // namespace

std::array<std::string, 4> panelLines(const PanelEvaluation& panel, std::string_view separator) {
    std::array<std::string, 4> lines;
    if (panel.issue) {
        lines[0] = fieldIssue(*panel.issue, separator);
        return lines;
    }
    lines[0] = aimLine(*panel.aim, separator);
    if (panel.aim->belowHorizon())
        return lines;
    lines[1] = tiltLine(panel, separator);
    for (std::size_t i = 0; i < panel.others.size(); ++i) {
        if (panel.otherIssues[i])
            lines[2 + i] = fieldIssue(*panel.otherIssues[i], separator);
        else if (panel.others[i])
            lines[2 + i] = otherLine(*panel.others[i], separator);
    }
    return lines;
}

std::string copiedPanel(const std::array<std::string_view, 5>& fields,
                        const std::array<std::string, 4>& lines) {
    std::string text = std::string(design::control(design::Id::fraApuntar).caption) + "\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields[i].empty())
            text += std::string(design::captionOf(kPanelInputs[i]).caption) + ": " +
                    std::string(fields[i]) + "\n";
    }
    for (const std::string& line : lines) {
        if (!line.empty())
            text += line + "\n";
    }
    return text;
}

std::string degreesNotation(std::string_view separator) {
    return "Grados con N o S, E u O (W), o con signo: " + example(Input::Latitude, separator) +
           " · " + example(Input::Longitude, separator) + " · -3" + std::string(separator) + "70";
}

std::string degreesDescription(Input field) {
    return "Grados, con " + std::string(letters(field));
}

std::string degreesText(double value, degrees::Axis axis, std::string_view separator) {
    const bool latitude = axis == degrees::Axis::Latitude;
    const char* side = value < 0 ? (latitude ? " S" : " O") : (latitude ? " N" : " E");
    return numeric_text::writeFixed(std::abs(value), 4, separator) + side;
}

std::string_view locationNote(LocationFailure failure) {
    switch (failure) {
        case LocationFailure::Refused:
            return "El navegador no ha dado permiso para la ubicación.";
        case LocationFailure::Unavailable:
            return "El navegador no ha podido saber la ubicación.";
        case LocationFailure::Unsupported:
            break;
    }
    return "Este navegador no da la ubicación.";
}

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
    for (const Input input : kFigures) {
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
