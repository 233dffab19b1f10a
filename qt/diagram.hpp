// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSvgRenderer>
#include <map>
#include <memory>
#include <string_view>

#include "design/view.hpp"

class QPainter;

// The two dish drawings: their pictures, each stretched to its rectangle.
namespace lnb::diagram {

// Draws the pictures stretched to their rectangles, from renderings of their
// drawings that it keeps while a picture's size and place stay the same. A
// picture up to kLargestExact device pixels along an axis is rendered at its
// size along it, only the part inside the window; a larger one is drawn
// magnified from a rendering kMagnifiedRendering pixels long, so that no
// figure, however large, costs more or reaches QPainter's coordinate limits.
class PicturePainter {
  public:
    static constexpr int kLargestExact = 16384;
    static constexpr int kMagnifiedRendering = 2048;

    // Paints `picture`'s drawing stretched to `target`, of which `window` is
    // all that can ever show (both in the painter's logical pixels).
    void paint(QPainter& painter, const ShownPicture& picture, const QRectF& target,
               const QRectF& window);

  private:
    struct Rendering {
        std::unique_ptr<QSvgRenderer> svg;
        QSize size;    // the whole drawing, in its own pixels
        QRect region;  // the part of it that `image` holds
        QImage image;
    };

    const QImage& renderingFor(const ShownPicture& picture, QSize size, QRect region);

    std::map<std::string_view, Rendering> renderings_;
};

}  // namespace lnb::diagram
