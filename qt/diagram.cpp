// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/diagram.hpp"

#include <QPainter>
#include <algorithm>
#include <climits>

#include "logic/picture_clipping.hpp"

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

// Where a source is under two pixels across (or down) every column (or row)
// of its stretched picture is alike: only the one at the middle of what shows
// is smoothed, then repeated over `shown` (device pixels), which spares
// smoothing the whole area.
void drawThin(QPainter& painter, const QImage& image, const QRect& from, const QRect& to,
              const QRect& shown) {
    const bool thinAcross = from.width() <= 2;
    const QRect area = to.intersected(shown);
    if (area.isEmpty())
        return;
    const double middle = thinAcross ? (area.center().x() - to.left()) / double(to.width())
                                     : (area.center().y() - to.top()) / double(to.height());
    const QRect strip =
        thinAcross ? QRect(from.left() + std::min(from.width() - 1, int(middle * from.width())),
                           from.top(), 1, from.height())
                   : QRect(from.left(),
                           from.top() + std::min(from.height() - 1, int(middle * from.height())),
                           from.width(), 1);
    const QImage line =
        image.copy(strip).scaled(thinAcross ? 1 : to.width(), thinAcross ? to.height() : 1,
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(area.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        if (thinAcross) {
            std::fill(row, row + out.width(), line.pixel(0, area.top() - to.top() + y));
        } else {
            const auto* source = reinterpret_cast<const QRgb*>(line.constScanLine(0));
            std::copy_n(source + (area.left() - to.left()), out.width(), row);
        }
    }
    painter.drawImage(area.topLeft(), out);
}

}  // namespace

void PicturePainter::paint(QPainter& painter, const ShownPicture& picture, const QRectF& target,
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
    const QImage& image = renderingFor(picture, size, region);
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);  // the spans are in device pixels
    for (const clipping::Span& x : across) {
        for (const clipping::Span& y : down) {
            const QRect to(x.targetStart, y.targetStart, x.targetLength, y.targetLength);
            const QRect from(x.sourceStart - region.left(), y.sourceStart - region.top(),
                             x.sourceLength, y.sourceLength);
            if (from.width() == 1 && from.height() == 1) {
                painter.fillRect(to.intersected(shown), image.pixelColor(from.topLeft()));
                continue;
            }
            if (from.width() <= 2 || from.height() <= 2) {
                drawThin(painter, image, from, to, shown);
                continue;
            }
            painter.setRenderHint(QPainter::SmoothPixmapTransform, from.size() != to.size());
            painter.drawImage(to, image, from);
        }
    }
    painter.restore();
}

const QImage& PicturePainter::renderingFor(const ShownPicture& picture, QSize size, QRect region) {
    Rendering& rendering = renderings_[picture.name];
    if (!rendering.svg) {
        const std::string_view drawing = picture.drawing;
        rendering.svg = std::make_unique<QSvgRenderer>(
            QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(drawing.data(), drawing.size())));
        // The drawings are compiled into the program.
        Q_ASSERT_X(rendering.svg->isValid(), "renderingFor", drawing.data());
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
