// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

// The dots per inch a window is drawn at. Windows 10 (version 1607 on) tells
// each window its monitor's; older Windows (7, 8.1) has one for the whole
// system. The newer functions are looked up when the program runs, so that
// the program file names nothing Windows 7 lacks.
namespace lnb::win32::dpi {

UINT of(HWND window);

// The window rectangle around `client` at `dpi`, as AdjustWindowRectEx gives
// it at the system's.
void adjust(RECT& client, DWORD style, DWORD extendedStyle, UINT dpi);

}  // namespace lnb::win32::dpi
