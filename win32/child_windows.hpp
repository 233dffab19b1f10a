// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

// What the window reads back from its child windows.
namespace lnb::win32 {

// A window's text, whole.
std::wstring textOf(HWND window);

// A child's rectangle in its parent's client area.
RECT placeOf(HWND child);

}  // namespace lnb::win32
