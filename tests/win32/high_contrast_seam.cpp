// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests' build of the Windows program answers differently from the
// program (tests/win32/CMakeLists.txt).
//
// Whether high contrast is on, and the system's colours, read on each query
// where Windows keeps them under HKEY_CURRENT_USER: the value Flags (a
// number as text) of Control Panel\Accessibility\HighContrast, and the
// values of Control Panel\Colors ("R G B").
// Wine answers SPI_GETHIGHCONTRAST with "not available" whatever the
// registry holds, and gives a running program the colours it started with;
// the probe switches both as Windows does when the user switches.
#include <windows.h>

#include <array>
#include <cwchar>

#include "tests/win32/system_colour_names.hpp"
#include "win32/system_colours.hpp"

namespace lnb::win32 {
namespace {

bool readText(const wchar_t* key, const wchar_t* name, std::array<wchar_t, 32>& text) {
    DWORD size = sizeof text;
    return RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) ==
           ERROR_SUCCESS;
}

}  // namespace

bool highContrastOn() {
    std::array<wchar_t, 32> flags{};
    return readText(L"Control Panel\\Accessibility\\HighContrast", L"Flags", flags) &&
           (std::wcstoul(flags.data(), nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

COLORREF systemColour(int index) {
    for (const auto& [colour, name, member] : testing::kSystemColourNames) {
        std::array<wchar_t, 32> text{};
        unsigned r = 0, g = 0, b = 0;
        if (colour == index && readText(testing::kColoursKey, name, text) &&
            std::swscanf(text.data(), L"%u %u %u", &r, &g, &b) == 3)
            return RGB(r, g, b);
    }
    return GetSysColor(index);
}

}  // namespace lnb::win32
