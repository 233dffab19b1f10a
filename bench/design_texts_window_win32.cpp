// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor for the Windows program's start-up: a bare window of the
// design's size holding every caption and field text of the design, each at
// its place in its font (static and edit controls), with the program's
// manifest — what any Win32 program showing this design's words must do —
// without frames, pictures, colours or logic. It ends once its first frame
// is painted.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "units.hpp"
#include "wide_text.hpp"
#include "window_design.hpp"

namespace {

using namespace lnb;

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The texts the window shows at start-up in its text fields.
const wchar_t* textOf(design::Id id) {
    switch (id) {
        case design::Id::txtVertical:
        case design::Id::txtHorizontal:
            return L"80";
        case design::Id::txtProfundidad:
            return L"10";
        case design::Id::txtDistancia:
            return L"40";
        default:
            return L"";
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = L"texts";
    RegisterClassExW(&windowClass);
    const UINT dpi = USER_DEFAULT_SCREEN_DPI;
    RECT frame{0, 0, win32::units::toWholePixels(design::kFrmMain.clientWidth, dpi),
               win32::units::toWholePixels(design::kFrmMain.clientHeight, dpi)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, L"texts", L"texts", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    const win32::units::Fonts fonts(dpi);
    auto add = [&](const design::Control& control, const wchar_t* text, bool edit) {
        const RECT place = win32::units::toPixels(control, dpi);
        HWND child =
            CreateWindowExW(edit ? WS_EX_CLIENTEDGE : 0, edit ? WC_EDITW : WC_STATICW, text,
                            WS_CHILD | WS_VISIBLE, place.left, place.top, place.right - place.left,
                            place.bottom - place.top, window, nullptr, instance, nullptr);
        const double size =
            control.font.pointSize > 0 ? control.font.pointSize : design::kFrmMain.font.pointSize;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(control.font, size)),
                     FALSE);
    };
    for (const design::Control& control : design::kControls) {
        if (control.flags & design::kHidden)
            continue;
        const bool edit = control.kind == design::Kind::TextField;
        add(control, edit ? textOf(control.id) : win32::widen(control.caption).c_str(), edit);
    }
    add(design::kStatusLine, L"Relaci\u00f3n f/D: 0.50", false);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
