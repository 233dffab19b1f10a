#include "units.hpp"

#include <QStringList>
#include <QtMath>

namespace lnb::units {
namespace {

int toWholePixels(int twips) {
    return qRound(toPixels(twips));
}

}  // namespace

QRect toPixels(const design::Control& control) {
    return {toWholePixels(control.left), toWholePixels(control.top), toWholePixels(control.width),
            toWholePixels(control.height)};
}

QRectF toPixels(const Rect& twips) {
    return {toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
            toPixels(twips.height)};
}

QColor toQColor(design::Colour colour, const QPalette& system) {
    switch (colour) {
        case design::kSystemWindowBackground:
            return system.color(QPalette::Base);
        case design::kSystemWindowText:
            return system.color(QPalette::Text);
        default:
            return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF));
    }
}

QFont toQFont(const design::Font& font, const QFont& windowFont) {
    if (font.pointSize <= 0)
        return windowFont;
    QFont result;
    result.setFamilies(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

}  // namespace lnb::units
