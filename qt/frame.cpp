// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/frame.hpp"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "qt/units.hpp"

namespace lnb {
namespace {

const int kCaptionIndent = qRound(units::toPixels(design::kFrameCaptionIndent));
const int kCaptionPadding = qRound(units::toPixels(design::kFrameCaptionPadding));

}  // namespace

Frame::Frame(QWidget* parent) : QWidget(parent), caption_(new QLabel(this)) {
    setAutoFillBackground(true);
    caption_->setAutoFillBackground(true);  // hides the border's top line behind it
    caption_->setContentsMargins(kCaptionPadding, 0, kCaptionPadding, 0);
    caption_->move(kCaptionIndent, 0);
}

void Frame::setCaption(const QString& caption) {
    caption_->setText(caption);
    fitCaption();
    setAccessibleName(caption);
}

// As wide as its words and padding: measured directly, which costs less at
// start-up than asking the label for its size hint.
void Frame::fitCaption() {
    const QFontMetrics metrics(font());
    caption_->resize(metrics.horizontalAdvance(caption_->text()) + 2 * kCaptionPadding,
                     metrics.height());
}

void Frame::paintEvent(QPaintEvent* /*event*/) noexcept {
    QPainter painter(this);
    const int borderTop = QFontMetrics(font()).height() / 2;
    const QRect border = rect().adjusted(0, borderTop, -1, -1);

    // Etched: the dark line of a 3D edge with its light one just inside it.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
}

// The caption follows the frame's font.
void Frame::changeEvent(QEvent* event) noexcept {
    if (event->type() == QEvent::FontChange)
        fitCaption();
    QWidget::changeEvent(event);
}

}  // namespace lnb
