// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram.hpp"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "window_design.hpp"

namespace lnb::diagram {
namespace {

// The part of a `rendered` image that shows through `visible` when the whole
// image is stretched over `target`. At extreme magnifications it shrinks below
// one pixel; it is then widened to one pixel, which shows that pixel's colour.
QRectF magnifiedSource(const QRectF& target, const QRectF& visible, QSizeF rendered) {
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

// A one-pixel line of colours repeated `size` times over: across when the
// line runs down, down when it runs across.
QImage repeatLine(const QImage& line, QSize size) {
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (line.width() == 1)
            std::fill(row, row + size.width(), line.pixel(0, std::min(y, line.height() - 1)));
        else
            std::copy_n(reinterpret_cast<const QRgb*>(line.constScanLine(0)), size.width(), row);
    }
    return out;
}

// Draws `source` of `image` stretched smoothly over `shown`. Where the source
// is under two pixels across (or down), every column (or row) of the result is
// the same: only a one-pixel line of it is smoothed, then repeated, which
// spares smoothing (and even scaling) the whole area.
void drawMagnified(QPainter& painter, const QRectF& shown, const QImage& image,
                   const QRectF& source) {
    const bool thinAcross = source.width() < 2;
    const bool thinDown = source.height() < 2;
    if (!thinAcross && !thinDown) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(shown, image, source);
        return;
    }
    const QRect aligned = source.toAlignedRect().intersected(image.rect());
    const QRect strip(thinAcross ? qFloor(source.center().x()) : aligned.left(),
                      thinDown ? qFloor(source.center().y()) : aligned.top(),
                      thinAcross ? 1 : aligned.width(), thinDown ? 1 : aligned.height());
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize out = (shown.size() * ratio).toSize().expandedTo(QSize(1, 1));
    const QImage line = image.copy(strip.intersected(image.rect()))
                            .scaled(thinAcross ? 1 : out.width(), thinDown ? 1 : out.height(),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage area = repeatLine(line, out);
    area.setDevicePixelRatio(ratio);
    painter.drawImage(shown.topLeft(), area);
}

// `part` of a picture whose top left corner is at `origin`, in device pixels
// from that corner.
QRectF inDevicePixels(const QRectF& part, QPointF origin, qreal ratio) {
    return {(part.left() - origin.x()) * ratio, (part.top() - origin.y()) * ratio,
            part.width() * ratio, part.height() * ratio};
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
    for (auto id = design::kPicturesTopDown.rbegin(); id != design::kPicturesTopDown.rend(); ++id) {
        const Picture& picture = state.picture(*id);
        *next++ = {picture.name(), picture.rect()};
    }
    return placed;
}

QRectF visiblePart(const QRectF& picture, const QRectF& area) {
    if (!(picture.width() > 0 && picture.height() > 0))
        return {};
    return picture.intersected(area);
}

void PicturePainter::paint(QPainter& painter, std::string_view name, const QRectF& target,
                           const QRectF& window, const QRectF& dirty) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF snapped = snapToDevicePixels(target, ratio);
    const QRectF inWindow = visiblePart(snapped, window);
    const QRectF shown = inWindow.intersected(dirty);
    if (shown.isEmpty())
        return;
    const QSizeF deviceSize = snapped.size() * ratio;
    if (deviceSize.width() <= kLargestExact && deviceSize.height() <= kLargestExact) {
        const QRect region = inDevicePixels(inWindow, snapped.topLeft(), ratio).toAlignedRect();
        const QImage& image = renderingFor(name, deviceSize.toSize(), region);
        const QRectF source = inDevicePixels(shown, snapped.topLeft(), ratio);
        painter.drawImage(shown, image, source.translated(-region.topLeft()));
        return;
    }
    const QSize capped(std::min(kMagnifiedRendering, qCeil(std::min(deviceSize.width(), 1e9))),
                       std::min(kMagnifiedRendering, qCeil(std::min(deviceSize.height(), 1e9))));
    const QImage& image = renderingFor(name, capped, QRect(QPoint(0, 0), capped));
    drawMagnified(painter, shown, image, magnifiedSource(snapped, shown, QSizeF(capped)));
}

const QImage& PicturePainter::renderingFor(std::string_view name, QSize size, QRect region) {
    Rendering& rendering = renderings_[name];
    if (!rendering.svg) {
        rendering.svg = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name.data(), name.size())));
        // The six pictures are compiled into the program.
        Q_ASSERT_X(rendering.svg->isValid(), "renderingFor", name.data());
    }
    if (rendering.size != size || rendering.region != region) {
        rendering.size = size;
        rendering.region = region;
        rendering.image =
            QImage(region.size(), QImage::Format_RGB32);  // opaque: drawn by plain copy
        rendering.image.fill(Qt::white);
        QPainter imagePainter(&rendering.image);
        imagePainter.setRenderHint(QPainter::Antialiasing);
        imagePainter.translate(-region.topLeft());
        rendering.svg->render(&imagePainter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return rendering.image;
}

}  // namespace lnb::diagram
