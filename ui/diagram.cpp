#include "diagram.hpp"

#include <QPainter>
#include <algorithm>
#include <cmath>
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

// Device pixels for a picture of `length` pixels, between 1 and the cap.
int renderedLength(double length, qreal pixelRatio) {
    const double device = std::ceil(length * pixelRatio);
    return static_cast<int>(std::clamp(device, 1.0, double(PicturePainter::kLargestRendering)));
}

// The part of a `rendered` image that shows through `visible` when the whole
// image is stretched over `target`. At extreme magnifications it shrinks below
// one pixel; it is then widened to one pixel, which shows that pixel's colour.
QRectF sourceRect(const QRectF& target, const QRectF& visible, QSizeF rendered) {
    const double sx = rendered.width() / target.width();
    const double sy = rendered.height() / target.height();
    QRectF source((visible.left() - target.left()) * sx, (visible.top() - target.top()) * sy,
                  visible.width() * sx, visible.height() * sy);
    const QPointF centre = source.center();
    if (source.width() < 1)
        source.setWidth(1);
    if (source.height() < 1)
        source.setHeight(1);
    source.moveCenter(centre);
    source.moveLeft(std::clamp(source.left(), 0.0, rendered.width() - source.width()));
    source.moveTop(std::clamp(source.top(), 0.0, rendered.height() - source.height()));
    return source;
}

// Pictures on whole device pixels map one to one onto their renderings.
QRectF snapToDevicePixels(const QRectF& rect, qreal pixelRatio) {
    auto snap = [pixelRatio](double v) { return std::round(v * pixelRatio) / pixelRatio; };
    return QRectF(QPointF(snap(rect.left()), snap(rect.top())),
                  QPointF(snap(rect.right()), snap(rect.bottom())));
}

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

void PicturePainter::paint(QPainter& painter, std::string_view name, const QRectF& target,
                           const QRectF& visible) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF snapped = snapToDevicePixels(target, ratio);
    const QRectF shown = visiblePart(snapped, visible);
    if (shown.isEmpty())
        return;
    const QSize size(renderedLength(snapped.width(), ratio),
                     renderedLength(snapped.height(), ratio));
    const QImage& image = renderingFor(name, size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);  // only beyond the cap
    painter.drawImage(shown, image, sourceRect(snapped, shown, QSizeF(size)));
}

const QImage& PicturePainter::renderingFor(std::string_view name, QSize devicePixels) {
    Rendering& rendering = renderings_[name];
    if (!rendering.svg) {
        rendering.svg = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name.data(), name.size())));
        if (!rendering.svg->isValid())
            throw std::runtime_error("missing picture " + std::string(name));
    }
    if (rendering.image.size() != devicePixels) {
        rendering.image = QImage(devicePixels, QImage::Format_ARGB32_Premultiplied);
        rendering.image.fill(Qt::white);
        QPainter imagePainter(&rendering.image);
        imagePainter.setRenderHint(QPainter::Antialiasing);
        rendering.svg->render(&imagePainter, QRectF(QPointF(0, 0), QSizeF(devicePixels)));
    }
    return rendering.image;
}

}  // namespace lnb::diagram
