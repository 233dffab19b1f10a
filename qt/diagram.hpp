// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSvgRenderer>
#include <array>
#include <map>
#include <memory>
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

// Draws the pictures stretched to their rectangles, from renderings it keeps
// while a picture's size and place stay the same. A picture up to
// kLargestExact device pixels across and down is rendered exactly, only the
// part of it inside the window; a larger one is drawn magnified from a
// rendering of the whole picture at kMagnifiedRendering pixels, so that no
// figure, however large, costs more or reaches QPainter's coordinate limits.
class PicturePainter {
  public:
    static constexpr double kLargestExact = 16384;
    static constexpr int kMagnifiedRendering = 2048;

    // Paints the part of picture `name`, stretched to `target`, that lies in
    // `dirty`; `window` is all of it that can ever show.
    void paint(QPainter& painter, std::string_view name, const QRectF& target, const QRectF& window,
               const QRectF& dirty);

  private:
    struct Rendering {
        std::unique_ptr<QSvgRenderer> svg;
        QSize size;    // the whole picture, in device pixels
        QRect region;  // the part of it that `image` holds
        QImage image;
    };

    const QImage& renderingFor(std::string_view name, QSize size, QRect region);

    std::map<std::string_view, Rendering> renderings_;
};

}  // namespace lnb::diagram
