// SPDX-License-Identifier: GPL-3.0-or-later
// Text widths in the page's own fonts, the faces it ships (subset to what the
// program shows), from their advance widths as web/build/font_metrics.py read
// them when the page was built. Kerning aside, that is what the browser
// draws, and the fitting rule only needs to know what fits. The core measures
// with them both when it draws the first view into the page and when the page
// runs: the same widths, whether or not the browser has the fonts in yet.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "design/presenter.hpp"

namespace lnb::web {

// One CSS pixel per 15 twips, as the design is drawn at 96 DPI; a point is
// 1/72 inch (web/units.js).
inline constexpr double kTwipsPerPixel = 15;
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

struct Advance {
    char16_t code;        // the subsets hold no character beyond U+FFFF
    std::uint16_t units;  // in the face's units per em
};

struct FaceAdvances {
    int unitsPerEm;
    std::span<const Advance> advances;  // by code, ascending
};

// Regular, bold and bold italic.
extern const std::array<FaceAdvances, 3> kFaceAdvances;

class PageFonts final : public TextMeasure {
  public:
    double widthInTwips(std::string_view text, const design::Font& font,
                        double pointSize) const override;
};

}  // namespace lnb::web
