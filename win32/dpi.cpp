// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dpi.hpp"

#include "win32/gdi.hpp"
#include "win32/newer_functions.hpp"

namespace lnb::win32::dpi {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

UINT systemDpi() {
    const gdi::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT of(HWND window) {
    static const auto perWindow = newerFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    return perWindow ? perWindow(window) : systemDpi();
}

void adjust(RECT& client, DWORD style, DWORD extendedStyle, UINT dpi) {
    static const auto forDpi =
        newerFunction<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&client, style, FALSE, extendedStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, extendedStyle);
}

}  // namespace lnb::win32::dpi
