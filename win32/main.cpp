// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <array>

#include "design/texts.hpp"
#include "win32/frm_main.hpp"
#include "win32/wide_text.hpp"

namespace {

// The user's decimal separator, as set in Windows, read once at start.
std::string decimalSeparator() {
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(),
                        int(separator.size())) <= 1)
        return ".";
    return lnb::win32::narrow(separator.data());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    lnb::win32::FrmMain frmMain(instance, decimalSeparator());
    if (!frmMain.create()) {
        MessageBoxW(nullptr, lnb::win32::widen(lnb::texts::kWindowNotCreated).c_str(),
                    lnb::win32::widen(DISTANCIA_PRODUCT_NAME).c_str(), MB_ICONERROR | MB_OK);
        return 1;
    }
    frmMain.Form_Load();
    frmMain.quitAfterFirstPaintWhenMeasured();
    ShowWindow(frmMain.handle(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (frmMain.preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
