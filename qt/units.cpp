// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.hpp"

#include <QFontDatabase>
#include <QStringList>
#include <QtMath>

namespace lnb::units {
namespace {

int toWholePixels(int twips) {
    return qRound(toPixels(twips));
}

// The first of the design's font and its metric-compatible stand-ins that
// the system has, looked up once in the list of installed families (asking
// for each family by name makes fontconfig resolve aliases, which costs more
// at start-up than drawing the whole window).
const QString& designFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const std::string_view candidate : design::kFontFamilies) {
            const QString family = QString::fromUtf8(candidate.data(), qsizetype(candidate.size()));
            if (installed.contains(family))
                return family;
        }
        return QString();  // the platform's sans serif, through the style hint
    }();
    return family;
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

// System colours are the active ones: a control inside a disabled frame keeps
// the window's white, not the disabled grey.
QColor toQColor(design::Colour colour, const QPalette& system) {
    switch (colour) {
        case design::kSystemWindowBackground:
            return system.color(QPalette::Active, QPalette::Base);
        case design::kSystemWindowText:
            return system.color(QPalette::Active, QPalette::Text);
        default:
            return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                          static_cast<int>((colour >> 16) & 0xFF));
    }
}

QFont toQFont(const design::Font& font, const QFont& windowFont) {
    if (font.pointSize <= 0)
        return windowFont;
    QFont result;
    if (!designFamily().isEmpty())
        result.setFamily(designFamily());
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

}  // namespace lnb::units
