// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' build of the Windows program differs from the program in this
// alone: it is in high contrast, in Windows' "High Contrast Black" colours,
// while the tests' switch says so (HKEY_CURRENT_USER\Software\DistanciaLNB\Tests,
// HighContrast = 1), since Wine refuses SPI_SETHIGHCONTRAST, always reports
// high contrast off, and does not pass new system colours to a running
// program. The probe sets the switch and tells the windows, as Windows does
// when the user switches high contrast.
#include <windows.h>

#include "tests/high_contrast_schemes.hpp"
#include "win32/system_colours.hpp"

namespace lnb::win32 {

bool highContrastOn() {
    DWORD on = 0;
    DWORD size = sizeof on;
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\DistanciaLNB\\Tests", L"HighContrast",
                        RRF_RT_REG_DWORD, nullptr, &on, &size) == ERROR_SUCCESS &&
           on != 0;
}

// Only asked while high contrast is on.
COLORREF systemColour(int index) {
    const auto& scheme = testing::kHighContrastBlack;
    const design::Rgb colour = [&] {
        switch (index) {
            case COLOR_WINDOW:
                return scheme.window;
            case COLOR_GRAYTEXT:
                return scheme.grayText;
            case COLOR_HIGHLIGHT:
                return scheme.highlight;
            case COLOR_HIGHLIGHTTEXT:
                return scheme.highlightText;
            case COLOR_BTNFACE:
                return scheme.face;
            case COLOR_BTNSHADOW:
                return scheme.shadow;
            case COLOR_BTNHIGHLIGHT:
                return scheme.light;
            case COLOR_3DDKSHADOW:
                return scheme.darkShadow;
            case COLOR_INFOBK:
                return scheme.infoBack;
            case COLOR_INFOTEXT:
                return scheme.infoText;
            default:
                return scheme.windowText;
        }
    }();
    return RGB(colour >> 16 & 0xFF, colour >> 8 & 0xFF, colour & 0xFF);
}

}  // namespace lnb::win32
