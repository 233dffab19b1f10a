// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/button.hpp"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace lnb {
namespace {

// A one-pixel outline: `topLeft` along the top and left, `bottomRight` along
// the other two sides.
void outline(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

void Button::paintEvent(QPaintEvent* /*event*/) noexcept {
    QPainter painter(this);
    const QPalette& colours = palette();
    const QColor back = colours.color(QPalette::Button);
    const bool sunken = isDown() || isChecked();
    painter.fillRect(rect(), back);
    outline(painter, rect(), colours.color(sunken ? QPalette::Shadow : QPalette::Light),
            colours.color(sunken ? QPalette::Light : QPalette::Shadow));
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    outline(painter, inner, sunken ? colours.color(QPalette::Dark) : back,
            sunken ? back : colours.color(QPalette::Dark));
    painter.setPen(colours.color(QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(inner.translated(sunken ? 1 : 0, sunken ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner.adjusted(2, 2, -2, -2);
        focus.backgroundColor = back;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace lnb
