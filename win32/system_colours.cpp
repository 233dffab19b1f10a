// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/system_colours.hpp"

namespace lnb::win32 {
namespace {

design::Rgb system(int index) {
    const COLORREF colour = systemColour(index);
    return design::Rgb{GetRValue(colour)} << 16 | design::Rgb{GetGValue(colour)} << 8 |
           GetBValue(colour);
}

}  // namespace

std::optional<design::SystemColours> highContrastColours() {
    if (!highContrastOn())
        return std::nullopt;
    return design::SystemColours{
        .window = system(COLOR_WINDOW),
        .windowText = system(COLOR_WINDOWTEXT),
        .grayText = system(COLOR_GRAYTEXT),
        .highlight = system(COLOR_HIGHLIGHT),
        .highlightText = system(COLOR_HIGHLIGHTTEXT),
        .face = system(COLOR_BTNFACE),
        .shadow = system(COLOR_BTNSHADOW),
        .light = system(COLOR_BTNHIGHLIGHT),
        .darkShadow = system(COLOR_3DDKSHADOW),
        .infoBack = system(COLOR_INFOBK),
        .infoText = system(COLOR_INFOTEXT),
    };
}

}  // namespace lnb::win32
