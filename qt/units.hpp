// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPalette>
#include <QRect>
#include <QRectF>
#include <map>
#include <tuple>

#include "design/presenter.hpp"
#include "design/window_design.hpp"
#include "logic/window_state.hpp"

// The one place where the design's twips, colours and fonts become Qt's.
namespace lnb::units {

// Device-independent pixels: Qt scales them on HiDPI screens.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr double toPixels(double twips) {
    return twips / kTwipsPerPixel;
}
constexpr double toTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// A control's rectangle in its container; the design's controls all sit on
// whole pixels.
QRect toPixels(const design::Control& control);

// A picture's rectangle, kept in floating point: pictures can be far larger
// than any integer rectangle.
QRectF toPixels(const Rect& twips);

QColor toQColor(design::Rgb rgb);

// A palette with every role of every group set from these colours, so that
// nothing of the desktop's palette shows through. Disabled text is grey on
// the same backgrounds.
QPalette toPalette(const design::SystemColours& system);

// The design's fonts are all "MS Sans Serif"; where it is missing, the
// metric-compatible sans fonts stand in for it.
QFont toQFont(const design::Font& font, double pointSize);

// Text widths as Qt draws them, for the core's fitting rule.
class FontMeasure : public TextMeasure {
  public:
    double widthInTwips(std::string_view text, const design::Font& font,
                        double pointSize) const override;

  private:
    // The metrics of each font asked for, made once.
    mutable std::map<std::tuple<double, bool, bool>, QFontMetricsF> metrics_;
};

}  // namespace lnb::units
