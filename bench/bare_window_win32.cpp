// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the Windows program's start-up: the least a Win32 program
// that shows text can do — a window of the same size with one label and one
// edit control, with the program's manifest (common controls v6, per-monitor
// DPI), ending once its first frame is painted.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

namespace {

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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = L"bare";
    RegisterClassExW(&windowClass);
    RECT frame{0, 0, 805, 643};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, L"bare", L"bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, WC_STATICW, L"Distancia aplicable", WS_CHILD | WS_VISIBLE, 20, 20, 200, 20,
                    window, nullptr, instance, nullptr);
    CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"80", WS_CHILD | WS_VISIBLE, 20, 60, 113, 33,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
