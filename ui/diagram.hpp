#pragma once

#include <QRectF>
#include <array>
#include <string_view>

#include "window_state.hpp"

class QPainter;

// The two dish drawings: six pictures, each stretched to its rectangle.
namespace lnb::diagram {

struct PlacedPicture {
    std::string_view name;
    Rect twips;
};

// The six pictures from the bottom of the stack to the top.
std::array<PlacedPicture, 6> picturesBottomToTop(const WindowState& state);

// The part of a picture's rectangle (in pixels) that lies in `area`, computed
// in floating point; empty when the picture draws nothing there.
QRectF visiblePart(const QRectF& picture, const QRectF& area);

// Draws the part of picture `name`, stretched to `target`, that lies in `visible`.
void paintPicture(QPainter& painter, std::string_view name, const QRectF& target,
                  const QRectF& visible);

}  // namespace lnb::diagram
