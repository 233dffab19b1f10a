// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/window_design.hpp"
#include "logic/window_state.hpp"

// What the window shows after a handler, everything a user can see change,
// decided here once: both windows only turn it into their units and paint it.
namespace lnb {

// A control's words, the colours they are drawn in, and their font size: the
// design's, or smaller where a text is shrunk to fit its control.
struct ShownText {
    std::string text;
    design::Rgb fore = 0;
    design::Rgb back = 0;
    double pointSize = 0;
    bool operator==(const ShownText&) const = default;
};

// A picture where it is drawn now, and where the view before had it.
struct ShownPicture {
    PictureId id{};
    std::string_view name;  // also the name of its drawing
    Rect now{};             // twips
    Rect before{};
    bool moved() const { return !(now == before); }
};

// A selection in a field's text, in UTF-16 units (as both windows count).
struct Selection {
    Input field;
    int start;
    int length;
    bool operator==(const Selection&) const = default;
};

struct View {
    std::array<ShownText, 16> controls{};  // by design::Id, in tab order
    ShownText window;                      // its title, and its background
    ShownText statusLine;                  // the line under the result
    // What a screen reader hears besides a field's name: the unit of the
    // figures for each input, the line under the result for the result.
    std::string inputDescription;
    std::string resultDescription;
    std::array<bool, 2> optionsSelected{};  // Option1, Option2
    // The selection the field just entered takes, if the window is to apply one.
    std::optional<Selection> selection;
    std::array<ShownPicture, 6> picturesBottomUp{};  // in painting order
    // What the toolkits' own controls draw with: borders, selections, tooltips.
    design::SystemColours system{};

    const ShownText& operator[](design::Id id) const {
        return controls[static_cast<std::size_t>(id)];
    }
};

}  // namespace lnb
