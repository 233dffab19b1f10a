// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dpi.hpp"

#include "win32/gdi.hpp"

namespace lnb::win32::dpi {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function fromUser32(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

UINT systemDpi() {
    const gdi::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT of(HWND window) {
    static const auto perWindow = fromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    return perWindow ? perWindow(window) : systemDpi();
}

void adjust(RECT& client, DWORD style, DWORD extendedStyle, UINT dpi) {
    static const auto forDpi =
        fromUser32<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&client, style, FALSE, extendedStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, extendedStyle);
}

}  // namespace lnb::win32::dpi
