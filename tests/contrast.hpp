// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>

#include "design/window_design.hpp"

namespace lnb::testing {

// WCAG's contrast ratio of two colours (0xRRGGBB): 1 to 21; 4.5 reads.
inline double contrastRatio(design::Rgb a, design::Rgb b) {
    const auto luminance = [](design::Rgb rgb) {
        const auto channel = [](unsigned value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(rgb >> 16 & 0xFF) + 0.7152 * channel(rgb >> 8 & 0xFF) +
               0.0722 * channel(rgb & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace lnb::testing
