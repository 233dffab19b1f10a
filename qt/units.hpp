// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QRectF>

#include "window_design.hpp"
#include "window_state.hpp"

// The one place where the design's twips and colours become Qt's.
namespace lnb::units {

// Device-independent pixels: Qt scales them on HiDPI screens.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr double toPixels(double twips) {
    return twips / kTwipsPerPixel;
}

// A control's rectangle; the design's controls all sit on whole pixels.
QRect toPixels(const design::Control& control);

// A picture's rectangle, kept in floating point: pictures can be far larger
// than any integer rectangle.
QRectF toPixels(const Rect& twips);

// 0x00BBGGRR, or the system colour the top bit refers to.
QColor toQColor(design::Colour colour, const QPalette& system);

// The design's fonts are all "MS Sans Serif"; where it is missing, the
// metric-compatible sans fonts stand in for it.
QFont toQFont(const design::Font& font, const QFont& windowFont);

}  // namespace lnb::units
