// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <vector>

#include "design/view.hpp"

namespace lnb::win32 {

// Pops up a control's copying entries at `screen` (screen coordinates); the
// entry chosen puts its text on the clipboard, with a beep where another
// program holds the clipboard.
void popUpCopyMenu(HWND owner, POINT screen, const std::vector<CopyEntry>& entries);

}  // namespace lnb::win32
