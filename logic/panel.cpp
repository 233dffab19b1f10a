// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/panel.hpp"

#include <cmath>

#include "logic/numeric_text.hpp"

namespace lnb {
namespace {

degrees::Axis axisOf(Input field) {
    return field == Input::Latitude ? degrees::Axis::Latitude : degrees::Axis::Longitude;
}

struct Reading {
    std::optional<double> value;
    std::optional<FieldIssue> issue;
};

Reading readField(Input field, std::string_view text, std::string_view separator) {
    const degrees::Read read = degrees::read(text, axisOf(field), separator);
    if (read.kind == degrees::Kind::Degrees)
        return {read.value, std::nullopt};
    return {std::nullopt, FieldIssue{field, read.kind,
                                     read.kind == degrees::Kind::NotDegrees &&
                                         numeric_text::hasOtherSeparator(text, separator)}};
}

std::string_view textOf(const std::array<std::string_view, 5>& texts, Input field) {
    return texts[static_cast<std::size_t>(field) - static_cast<std::size_t>(Input::Latitude)];
}

OtherLnb placeOther(const Aim& aim, Input field, double satellite,
                    const std::optional<Result>& result, const std::optional<Sheet>& sheet) {
    OtherLnb other{field, satellite, OtherKind::Placed};
    other.separation = pointing::separation(aim.place, aim.satellite, satellite);
    if (pointing::lookAngles(aim.place, satellite).elevation < 0)
        other.kind = OtherKind::BelowHorizon;
    else if (other.separation < 0.05)
        other.kind = OtherKind::SameAsMain;
    else if (other.separation > pointing::kLargestSeparation)
        other.kind = OtherKind::TooFarApart;
    else if (!result || !sheet)
        other.kind = OtherKind::NeedsTheSheet;
    else {
        other.offset = pointing::otherLnb(aim.place, aim.satellite, satellite, result->focal,
                                          sheet->sheet.ratio);
        other.result = *result;
        if (!std::isfinite(other.offset.distance))
            other.kind = OtherKind::NeedsTheSheet;
    }
    return other;
}

}  // namespace

PanelEvaluation evaluatePanel(const std::array<std::string_view, 5>& texts,
                              std::string_view separator, const std::optional<Result>& result,
                              const std::optional<Sheet>& sheet) {
    PanelEvaluation panel;
    std::array<double, 3> main{};
    for (std::size_t i = 0; i < main.size(); ++i) {
        const Input field = kPanelInputs[i];
        const Reading reading = readField(field, textOf(texts, field), separator);
        if (!reading.value) {
            panel.issue = reading.issue;
            return panel;
        }
        main[i] = *reading.value;
    }
    const pointing::Place place{main[0], main[1]};
    panel.aim = Aim{place, main[2], pointing::lookAngles(place, main[2])};
    if (panel.aim->belowHorizon())
        return panel;
    if (sheet) {
        const double offset =
            sheet->sheet.shape == DishShape::Offset ? sheet->sheet.offsetAngle : 0.0;
        panel.tilt = Tilt{panel.aim->look.elevation - offset, *sheet};
    }
    for (std::size_t i = 0; i < panel.others.size(); ++i) {
        const Input field = kPanelInputs[3 + i];
        const Reading reading = readField(field, textOf(texts, field), separator);
        if (reading.value)
            panel.others[i] = placeOther(*panel.aim, field, *reading.value, result, sheet);
        else if (reading.issue->kind != degrees::Kind::Empty)
            panel.otherIssues[i] = reading.issue;
    }
    return panel;
}

}  // namespace lnb
