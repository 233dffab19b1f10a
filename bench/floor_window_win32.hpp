// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Windows start-up floors share: a plain window of the design's
// client size that ends the program once it has painted its first frame.
// Header-only, so that a floor links nothing it does not show.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <functional>

namespace lnb::bench {

// What a floor paints on the window's surface, if anything.
inline std::function<void(HDC)>& surfacePainter() {
    static std::function<void(HDC)> paint;
    return paint;
}

inline LRESULT CALLBACK endAfterFirstPaint(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (surfacePainter())
            surfacePainter()(dc);
        EndPaint(window, &ps);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Makes the window (805 × 643 client pixels), lets `addControls(window)` put
// what the floor shows in it, shows it and runs until its first paint.
template <typename AddControls>
int runFloorWindow(HINSTANCE instance, int show, AddControls addControls) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = endAfterFirstPaint;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = L"floor";
    RegisterClassExW(&windowClass);
    RECT frame{0, 0, 805, 643};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window = CreateWindowExW(0, L"floor", L"floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    addControls(window);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace lnb::bench
