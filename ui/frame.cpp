#include "frame.hpp"

#include <QPainter>

namespace lnb {
namespace {

constexpr int kCaptionIndent = 8;   // pixels from the frame's left edge
constexpr int kCaptionPadding = 2;  // back colour either side of the caption

}  // namespace

Frame::Frame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int borderTop = metrics.height() / 2;
    const QRect border = rect().adjusted(0, borderTop, -1, -1);

    // Etched: a dark line with a light one just inside it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const int width = metrics.horizontalAdvance(caption_) + 2 * kCaptionPadding;
    const QRect captionArea(kCaptionIndent, 0, width, metrics.height());
    painter.fillRect(captionArea, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::AlignCenter, caption_);
}

}  // namespace lnb
