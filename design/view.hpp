// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/window_design.hpp"
#include "logic/window_state.hpp"

// What the window shows after a handler, everything a user can see change,
// decided here once: both windows only turn it into their units and paint it.
namespace lnb {

// An entry of a control's own menu that puts a text on the clipboard; a
// text field's come after the toolkit's own entries.
struct CopyEntry {
    std::string words;  // what the menu says
    std::string text;   // what it copies
    bool enabled = true;
    bool operator==(const CopyEntry&) const = default;
};

// A control as shown: its words, the colours they are drawn in, their font
// size (the design's, or smaller where a text is shrunk to fit its control),
// whether it shows at all, and what the pointer and screen readers get.
struct ShownControl {
    std::string text;
    design::Rgb fore = 0;
    design::Rgb back = 0;
    double pointSize = 0;
    bool shown = true;
    bool checked = false;     // an option button's selection
    std::string tooltip;      // shown while the pointer rests on it; empty: none
    std::string description;  // what a screen reader hears besides its name
    std::vector<CopyEntry> menu;
    bool operator==(const ShownControl&) const = default;
};

// A picture where it is drawn now, and where the view before had it.
struct ShownPicture {
    PictureId id{};
    std::string_view name;
    std::string_view drawing;  // assets/DRAWING.svg
    Rect now{};                // twips
    Rect before{};
    bool shown = true;
    bool shownBefore = true;
    bool moved() const { return !(now == before) || shown != shownBefore; }
};

// A selection in a field's text, in UTF-16 units (as both windows count).
struct Selection {
    Input field;
    int start;
    int length;
    bool operator==(const Selection&) const = default;
};

struct View {
    std::array<ShownControl, design::kControlCount> controls{};  // by design::Id
    ShownControl window;                                         // its title, and its background
    design::Size clientSize{};  // twips: grown while the pointing panel shows
    // The selection the field just entered takes, if the window is to apply one.
    std::optional<Selection> selection;
    std::array<ShownPicture, kPictureCount> picturesBottomUp{};  // in painting order
    // What to paint again since the view before: where each picture that
    // moved, showed or hid was and is (twips), as many as there are.
    std::vector<Rect> repaint;
    // What the toolkits' own controls draw with: borders, selections, tooltips.
    design::SystemColours system{};

    const ShownControl& operator[](design::Id id) const {
        return controls[static_cast<std::size_t>(id)];
    }
};

// What a paste, a drop or a key puts into a field: `text` in place of the
// UTF-16 units [start, start + length) of its text, the caret after it at
// `caret`.
struct Insertion {
    int start;
    int length;
    std::string text;
    int caret;
    bool operator==(const Insertion&) const = default;
};

}  // namespace lnb
