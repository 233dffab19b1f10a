// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The system colours the program reads: each as Windows names it in the
// registry (HKEY_CURRENT_USER\Control Panel\Colors, "R G B"), and as the
// design's table of system colours holds it.

#include <windows.h>

#include <array>
#include <tuple>

#include "design/window_design.hpp"

namespace lnb::testing {

using ColourMember = design::Rgb design::SystemColours::*;

inline constexpr wchar_t kColoursKey[] = L"Control Panel\\Colors";

inline constexpr std::array<std::tuple<int, const wchar_t*, ColourMember>, 11> kSystemColourNames{{
    {COLOR_WINDOW, L"Window", &design::SystemColours::window},
    {COLOR_WINDOWTEXT, L"WindowText", &design::SystemColours::windowText},
    {COLOR_GRAYTEXT, L"GrayText", &design::SystemColours::grayText},
    {COLOR_HIGHLIGHT, L"Hilight", &design::SystemColours::highlight},
    {COLOR_HIGHLIGHTTEXT, L"HilightText", &design::SystemColours::highlightText},
    {COLOR_BTNFACE, L"ButtonFace", &design::SystemColours::face},
    {COLOR_BTNSHADOW, L"ButtonShadow", &design::SystemColours::shadow},
    {COLOR_BTNHIGHLIGHT, L"ButtonHilight", &design::SystemColours::light},
    {COLOR_3DDKSHADOW, L"ButtonDkShadow", &design::SystemColours::darkShadow},
    {COLOR_INFOBK, L"InfoWindow", &design::SystemColours::infoBack},
    {COLOR_INFOTEXT, L"InfoText", &design::SystemColours::infoText},
}};

}  // namespace lnb::testing
