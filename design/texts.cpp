// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/texts.hpp"

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

// Neutral information for a current result, in the locale's notation.
std::string dishReading(const DishReading& reading, std::string_view separator) {
    if (reading.shape == DishReading::Shape::Centred)
        return "Relación f/D: " + numeric_text::writeFixed(reading.value, 2, separator);
    return "Ángulo de offset: " + numeric_text::writeFixed(reading.value, 1, separator) + "°";
}

}  // namespace

StatusLine statusLine(const Status& status, std::string_view separator) {
    switch (status.kind) {
        case StatusKind::NotANumber:
            return {notANumber(status, separator), true};
        case StatusKind::OutOfRange:
            return {"El número en " + fieldName(status) + " es demasiado grande o pequeño.", true};
        case StatusKind::ZeroDepth:
            return {"La profundidad no puede ser 0.", true};
        case StatusKind::DepthTooSmall:
            return {"La profundidad es demasiado pequeña.", true};
        case StatusKind::TooLarge:
            return {"Las medidas son demasiado grandes.", true};
        case StatusKind::NotPositive:
            return {"Las medidas deben ser positivas.", true};
        case StatusKind::DrawingTooLarge:
            return {"El dibujo no puede seguir estas medidas.", true};
        case StatusKind::Current:
            if (status.reading)
                return {dishReading(*status.reading, separator), false};
            break;
        case StatusKind::Editing:
            break;
    }
    return {"", false};
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
