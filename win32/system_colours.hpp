// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>

#include "design/window_design.hpp"

namespace lnb::win32 {

// Whether Windows is in high-contrast mode, and a system colour (COLOR_*).
// The program asks the system; the tests' build of it follows a switch of
// the tests' own, in High Contrast Black, since Wine has no high-contrast
// mode to switch on and does not pass new system colours to a running
// program.
bool highContrastOn();
COLORREF systemColour(int index);

// The system's colours while Windows is in high-contrast mode.
std::optional<design::SystemColours> highContrastColours();

}  // namespace lnb::win32
