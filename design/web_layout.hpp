// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "design/window_design.hpp"

// What the web page adds to the design: the button that opens the result's
// menu (a page has no right click on a phone), and the window on a screen
// narrower than it (a phone held upright): one column of blocks, each a part
// of the window shown whole and keeping its inner layout, one under the
// other. A block wider than the screen is scaled down to its width; a block
// holding a field never is (the design's field font is the smallest a phone
// shows without zooming in).
namespace lnb::design::web {

// A part of the window, in twips of the window's client area.
struct Area {
    int left, top, width, height;
};

// The result's menu button, beside the result.
inline constexpr Area kMenuButton{11235, 1830, 480, 435};

struct Block {
    std::string_view name;
    std::span<const Id> controls;         // shown in it, with what they hold
    std::span<const PictureId> pictures;  // drawn in it, cut to its area
    Area views{};                         // a block of drawings: its part of the window
};

// A block's part of the window: a block of drawings has its own; a block of
// controls is the rectangle around them (the result's with its menu button),
// as much of it as the window shows.
Area areaOf(const Block& block);

// Between blocks, and around the column (twips): the design's gap between
// frames and its margin.
inline constexpr int kGap = 225;
inline constexpr int kMargin = 240;

// The narrow column, top to bottom.
extern const std::array<Block, 8> kColumn;

}  // namespace lnb::design::web
