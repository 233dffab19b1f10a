// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "win32/system_colours.hpp"

namespace lnb::win32 {

bool highContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF systemColour(int index) {
    return GetSysColor(index);
}

}  // namespace lnb::win32
