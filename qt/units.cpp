// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/units.hpp"

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

QColor toQColor(design::Rgb rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QPalette toPalette(const design::SystemColours& system) {
    const std::pair<QPalette::ColorRole, design::Rgb> roles[] = {
        {QPalette::Window, system.window},        {QPalette::WindowText, system.windowText},
        {QPalette::Base, system.window},          {QPalette::AlternateBase, system.window},
        {QPalette::Text, system.windowText},      {QPalette::PlaceholderText, system.grayText},
        {QPalette::Button, system.face},          {QPalette::ButtonText, system.windowText},
        {QPalette::BrightText, system.window},    {QPalette::Light, system.light},
        {QPalette::Midlight, system.face},        {QPalette::Mid, system.shadow},
        {QPalette::Dark, system.shadow},          {QPalette::Shadow, system.darkShadow},
        {QPalette::Highlight, system.highlight},  {QPalette::HighlightedText, system.highlightText},
        {QPalette::Link, system.windowText},      {QPalette::LinkVisited, system.windowText},
        {QPalette::ToolTipBase, system.infoBack}, {QPalette::ToolTipText, system.infoText},
    };
    QPalette palette;
    for (const auto& [role, rgb] : roles) palette.setColor(role, toQColor(rgb));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, toQColor(system.grayText));
    return palette;
}

QFont toQFont(const design::Font& font, double pointSize) {
    QFont result;
    if (!designFamily().isEmpty())
        result.setFamily(designFamily());
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    return result;
}

double FontMeasure::widthInTwips(std::string_view text, const design::Font& font,
                                 double pointSize) const {
    const std::tuple key{pointSize, font.bold, font.italic};
    auto found = metrics_.find(key);
    if (found == metrics_.end())
        found = metrics_.emplace(key, QFontMetricsF(toQFont(font, pointSize))).first;
    const QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return toTwips(found->second.horizontalAdvance(shown));
}

}  // namespace lnb::units
