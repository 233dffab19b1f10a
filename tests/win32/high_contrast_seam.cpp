// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' build of the Windows program differs from the program in this
// alone: it is in high contrast, in Windows' "High Contrast Black" colours,
// while the tests' switch says so (HKEY_CURRENT_USER\Software\DistanciaLNB\Tests,
// HighContrast = 1), since Wine refuses SPI_SETHIGHCONTRAST, always reports
// high contrast off, and does not pass new system colours to a running
// program. The probe sets the switch and tells the windows, as Windows does
// when the user switches high contrast.
#include <windows.h>

#include "system_colours.hpp"

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
    switch (index) {
        case COLOR_GRAYTEXT:
            return RGB(63, 242, 63);
        case COLOR_HIGHLIGHT:
            return RGB(26, 235, 255);
        case COLOR_WINDOW:
        case COLOR_HIGHLIGHTTEXT:
        case COLOR_BTNFACE:
        case COLOR_INFOBK:
            return RGB(0, 0, 0);
        default:  // texts and 3D lines
            return RGB(255, 255, 255);
    }
}

}  // namespace lnb::win32
