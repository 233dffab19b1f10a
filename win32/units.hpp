// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

#include "window_design.hpp"

// The one place where the design's twips, colours and fonts become Windows'.
// Twips become pixels at the monitor's DPI: 15 twips a pixel at 96 DPI.
namespace lnb::win32::units {

inline constexpr double kTwipsPerInch = 1440;

double toPixels(double twips, UINT dpi);
int toWholePixels(int twips, UINT dpi);

// A control's rectangle in the window's client area, whatever holds it.
RECT toPixels(const design::Control& control, UINT dpi);

// 0x00BBGGRR is a COLORREF already; a system colour is looked up.
COLORREF toColorRef(design::Colour colour);

// A design font at this DPI; a point size of 0 takes the window's font.
// `pointSize` overrides the design's size (a result shrunk to fit).
HFONT createFont(const design::Font& font, UINT dpi);
HFONT createFont(const design::Font& font, UINT dpi, double pointSize);

}  // namespace lnb::win32::units
