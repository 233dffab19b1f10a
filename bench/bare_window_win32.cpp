// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the Windows program's start-up: the least a Win32 program
// that shows text can do — a window of the same size with one label and one
// edit control, with the program's manifest (common controls v6, per-monitor
// DPI), ending once its first frame is painted.
#include "bench/floor_window_win32.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    return lnb::bench::runFloorWindow(instance, show, [instance](HWND window) {
        CreateWindowExW(0, WC_STATICW, L"Distancia aplicable", WS_CHILD | WS_VISIBLE, 20, 20, 200,
                        20, window, nullptr, instance, nullptr);
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"80", WS_CHILD | WS_VISIBLE, 20, 60, 113, 33,
                        window, nullptr, instance, nullptr);
    });
}
