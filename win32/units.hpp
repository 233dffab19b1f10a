// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "design/presenter.hpp"
#include "design/window_design.hpp"
#include "win32/gdi.hpp"

// The one place where the design's twips, colours and fonts become Windows'.
// Twips become pixels at the monitor's DPI: 15 twips a pixel at 96 DPI.
namespace lnb::win32::units {

inline constexpr double kTwipsPerInch = 1440;

double toPixels(double twips, UINT dpi);
int toWholePixels(int twips, UINT dpi);
double toTwips(double pixels, UINT dpi);

// A control's rectangle in the window's client area, whatever holds it.
RECT toPixels(const design::Control& control, UINT dpi);

// 0xRRGGBB as a COLORREF (0x00BBGGRR).
constexpr COLORREF toColorRef(design::Rgb rgb) {
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

// The design's fonts at one DPI, each made once at each size asked for. The
// design's fonts are all "MS Sans Serif": the first of it and its stand-ins
// that the system has as a scalable font.
class Fonts {
  public:
    explicit Fonts(UINT dpi) : dpi_(dpi) {}

    UINT dpi() const { return dpi_; }
    // Nothing when the system cannot make the font.
    HFONT get(const design::Font& font, double pointSize) const;

  private:
    UINT dpi_;
    mutable std::map<std::tuple<double, bool, bool>, gdi::Object<HFONT>> made_;
};

// Text widths as GDI draws them, for the core's fitting rule.
class GdiMeasure : public TextMeasure {
  public:
    explicit GdiMeasure(const Fonts& fonts) : fonts_(fonts) {}
    double widthInTwips(std::string_view text, const design::Font& font,
                        double pointSize) const override;

  private:
    const Fonts& fonts_;
};

}  // namespace lnb::win32::units
