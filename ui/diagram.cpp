#include "diagram.hpp"

#include <QPainter>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "design.hpp"

namespace lnb::diagram {
namespace {

const Picture& pictureNamed(const WindowState& state, std::string_view name) {
    for (const auto& [candidate, picture] :
         {std::pair{"imgPlato1", &state.imgPlato1}, std::pair{"imgLnb1", &state.imgLnb1},
          std::pair{"imgPalo1", &state.imgPalo1}, std::pair{"imgPlato2", &state.imgPlato2},
          std::pair{"imgLnb2", &state.imgLnb2}, std::pair{"imgPalo2", &state.imgPalo2}}) {
        if (name == candidate)
            return *picture;
    }
    throw std::out_of_range("no picture " + std::string(name));
}

const QColor kOutline(51, 51, 153);

}  // namespace

std::array<PlacedPicture, 6> picturesBottomToTop(const WindowState& state) {
    std::array<PlacedPicture, 6> placed{};
    auto next = placed.begin();
    for (auto name = design::kSurfaceStacking.rbegin(); name != design::kSurfaceStacking.rend();
         ++name) {
        if (name->starts_with("img"))
            *next++ = {*name, pictureNamed(state, *name).rect()};
    }
    return placed;
}

QRectF visiblePart(const QRectF& picture, const QRectF& area) {
    if (!(picture.width() > 0 && picture.height() > 0))
        return {};
    return picture.intersected(area);
}

// Placeholder drawing: the picture's rectangle, white inside, outlined.
void paintPicture(QPainter& painter, std::string_view /*name*/, const QRectF& target,
                  const QRectF& visible) {
    painter.save();
    painter.setClipRect(visible);
    painter.fillRect(visible, Qt::white);
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(Qt::NoBrush);
    // Edges beyond the visible part are cut off, so only the real edges show.
    const QRectF outline = target.intersected(visible.adjusted(-2, -2, 2, 2));
    painter.drawRect(outline.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

}  // namespace lnb::diagram
