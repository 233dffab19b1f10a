// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram.hpp"

#include <QPainter>
#include <climits>

#include "picture_clipping.hpp"

namespace lnb::diagram {
namespace {

// The drawing's pixels along an axis: one per device pixel, or a capped
// rendering to magnify.
int renderedLength(double start, double length) {
    const int whole = clipping::wholeLength(start, length, INT_MAX);
    return whole <= PicturePainter::kLargestExact ? whole : PicturePainter::kMagnifiedRendering;
}

QRect sourceRegion(const std::vector<clipping::Span>& across,
                   const std::vector<clipping::Span>& down) {
    const int left = across.front().sourceStart;
    const int top = down.front().sourceStart;
    return {left, top, across.back().sourceStart + across.back().sourceLength - left,
            down.back().sourceStart + down.back().sourceLength - top};
}

}  // namespace

void PicturePainter::paint(QPainter& painter, std::string_view name, const QRectF& target,
                           const QRectF& window) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF device(target.topLeft() * ratio, target.size() * ratio);
    const QRect shown = QRectF(window.topLeft() * ratio, window.size() * ratio).toAlignedRect();
    const QSize size(renderedLength(device.left(), device.width()),
                     renderedLength(device.top(), device.height()));
    if (size.isEmpty())
        return;
    const auto across = clipping::visibleSpans(device.left(), device.width(), size.width(),
                                               shown.left(), shown.right() + 1);
    const auto down = clipping::visibleSpans(device.top(), device.height(), size.height(),
                                             shown.top(), shown.bottom() + 1);
    if (across.empty() || down.empty())
        return;

    const QRect region = sourceRegion(across, down);
    const QImage& image = renderingFor(name, size, region);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);  // the spans are in device pixels
    for (const clipping::Span& x : across) {
        for (const clipping::Span& y : down) {
            const QRect to(x.targetStart, y.targetStart, x.targetLength, y.targetLength);
            const QRect from(x.sourceStart - region.left(), y.sourceStart - region.top(),
                             x.sourceLength, y.sourceLength);
            if (from.width() == 1 && from.height() == 1) {
                painter.fillRect(to, image.pixelColor(from.topLeft()));
                continue;
            }
            painter.setRenderHint(QPainter::SmoothPixmapTransform, from.size() != to.size());
            painter.drawImage(to, image, from);
        }
    }
    painter.restore();
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
