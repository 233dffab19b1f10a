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
// while a picture's size stays the same. A rendering is never larger than
// kLargestRendering device pixels across or down: a larger picture is drawn
// magnified from it, so that no figure, however large, costs more.
class PicturePainter {
  public:
    static constexpr int kLargestRendering = 2048;

    // Draws the part of picture `name`, stretched to `target`, that lies in `visible`.
    void paint(QPainter& painter, std::string_view name, const QRectF& target,
               const QRectF& visible);

  private:
    struct Rendering {
        std::unique_ptr<QSvgRenderer> svg;
        QImage image;  // the whole picture at the last size asked for
    };

    const QImage& renderingFor(std::string_view name, QSize devicePixels);

    std::map<std::string_view, Rendering> renderings_;
};

}  // namespace lnb::diagram
