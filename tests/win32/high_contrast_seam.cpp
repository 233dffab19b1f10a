// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' build of the Windows program differs from the program in this
// alone: it is in high contrast while the tests' switch says so, with the
// tests' colours (HKEY_CURRENT_USER\Software\DistanciaLNB\Tests: HighContrast
// = 1, Colours = a COLORREF for each COLOR_* index), since Wine refuses
// SPI_SETHIGHCONTRAST, always reports high contrast off, and does not pass
// new system colours to a running program. The probe sets both and tells the
// windows, as Windows does when the user switches high contrast.
#include <windows.h>

#include <array>

#include "system_colours.hpp"

namespace lnb::win32 {
namespace {

constexpr wchar_t kKey[] = L"Software\\DistanciaLNB\\Tests";

}  // namespace

bool highContrastOn() {
    DWORD on = 0;
    DWORD size = sizeof on;
    return RegGetValueW(HKEY_CURRENT_USER, kKey, L"HighContrast", RRF_RT_REG_DWORD, nullptr, &on,
                        &size) == ERROR_SUCCESS &&
           on != 0;
}

COLORREF systemColour(int index) {
    std::array<COLORREF, COLOR_MENUBAR + 1> colours{};
    DWORD size = sizeof colours;
    if (index < 0 || index >= static_cast<int>(colours.size()) ||
        RegGetValueW(HKEY_CURRENT_USER, kKey, L"Colours", RRF_RT_REG_BINARY, nullptr,
                     colours.data(), &size) != ERROR_SUCCESS)
        return GetSysColor(index);
    return colours[static_cast<std::size_t>(index)];
}

}  // namespace lnb::win32
