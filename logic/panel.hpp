// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "logic/degrees.hpp"
#include "logic/pointing.hpp"
#include "logic/status.hpp"
#include "logic/window_state.hpp"

// The pointing panel's outputs, each its own value with the figures it came
// from: where the dish points from the user's place, how far its face tilts,
// and where the LNBs for further satellites go.
namespace lnb {

// A panel field that keeps its line from showing a number: empty, still
// being typed, no degrees, or beyond its limits.
struct FieldIssue {
    Input field;
    degrees::Kind kind;
    bool otherSeparatorTyped = false;  // "." typed where the locale has ",", or the reverse
    bool operator==(const FieldIssue&) const = default;
};

// The main satellite as seen from the place.
struct Aim {
    pointing::Place place;
    double satellite;  // its longitude
    pointing::LookAngles look;
    bool belowHorizon() const { return look.elevation < 0; }
};

// How far the dish's face leans back from the vertical: the elevation for a
// centred dish, less the offset angle for an offset one.
struct Tilt {
    double degrees;
    Sheet sheet;  // the sheet it came from
};

// A further satellite's LNB, or why it has no place.
enum class OtherKind {
    Placed,
    SameAsMain,  // no farther than a tenth of a degree could show
    BelowHorizon,
    TooFarApart,    // more than pointing::kLargestSeparation from the main satellite
    NeedsTheSheet,  // no current result, or no sheet: the spacing needs both
};

struct OtherLnb {
    Input field;
    double satellite;  // its longitude
    OtherKind kind;
    double separation = 0;      // seen from the place, degrees
    pointing::Offset offset{};  // Placed: in the unit of the figures
    Result result{};            // Placed: the result and the sheet it came from
};

struct PanelEvaluation {
    std::optional<FieldIssue> issue;  // the place or the main satellite unread
    std::optional<Aim> aim;
    std::optional<Tilt> tilt;  // where the aim is above the horizon and a sheet follows the figures
    // By further satellite field: an issue where its text is no degrees,
    // nothing where it is empty.
    std::array<std::optional<FieldIssue>, 2> otherIssues;
    std::array<std::optional<OtherLnb>, 2> others;
};

// The panel's outputs from its five texts (in kPanelInputs order), the result
// and the sheet that follow the figures, if any.
PanelEvaluation evaluatePanel(const std::array<std::string_view, 5>& texts,
                              std::string_view separator, const std::optional<Result>& result,
                              const std::optional<Sheet>& sheet);

}  // namespace lnb
