// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "design/view.hpp"
#include "design/window_design.hpp"

// What the web page adds to the design: a button for the menu of the
// control that has one (a page has no right click on a phone), and the
// window on a screen narrower than it (a phone held upright): one column of
// blocks, each a part of the window shown whole and keeping its inner
// layout, one under the other. Both arrangements are of the same elements:
// only where the blocks stand changes.
namespace lnb::design::web {

// A part of the window, in twips of the window's client area.
struct Area {
    int left, top, width, height;
    bool operator==(const Area&) const = default;
};

enum class Arrangement {
    Window,  // the whole window, as designed
    Column,  // one block under the other, for a narrow screen
};

struct Block {
    std::string_view name;                // also its element's id on the page
    std::span<const Id> controls;         // shown in it, with what they hold
    std::span<const PictureId> pictures;  // drawn in it, cut to its area
};

// The column, top to bottom.
extern const std::array<Block, 10> kColumn;

// Whether a block shows in a view: a block of controls hides, leaving no gap
// in the column, while none of its controls shows.
bool shows(const Block& block, const View& view);

// Whether a block is the pointing panel, which shows only with it, to the
// right of the window where the screen has room for both.
bool isPanel(const Block& block);

// A block's part of the window. A block of drawings has its view's part:
// the side view from the window's left edge to the front dish's design
// place, the front view from there less the margin to the right edge, both
// from the frames' bottom to the credit line. A block of controls is the
// rectangle around them (the menu button with the control it belongs to,
// as `arrangement` sizes it), as much of it as the window shows.
Area areaOf(const Block& block, Arrangement arrangement);

// Whether a block is drawn smaller where the column is narrower than it: a
// block of drawings is; a block holding a field never is (the design's field
// font is the smallest a phone shows without zooming in).
bool scales(const Block& block);

// The button that opens the menu of the control with kOwnMenu: beside it, a
// field's margin away, the design's size in the window; in the column at
// least the 44 CSS pixels a finger needs, centred beside it.
Area menuButton(Arrangement arrangement);

// Around the window and between the column's blocks: the design's margin
// (its frames' distance from the window's edge) and its gap between frames.
int margin();
int gap();

// How wide the screen must be for the whole window and its margins, with
// the pointing panel shown or not.
int wholeWindowWidth(bool panelShown);

}  // namespace lnb::design::web
