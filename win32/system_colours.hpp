// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>

#include "design/window_design.hpp"

namespace lnb::win32 {

// Whether Windows is in high-contrast mode, and a system colour (COLOR_*).
// The program asks the system; the tests' build of it reads both where
// Windows keeps them in the registry, since Wine answers that there is no
// high-contrast mode and gives a running program the colours it started with.
bool highContrastOn();
COLORREF systemColour(int index);

// The system's colours while Windows is in high-contrast mode.
std::optional<design::SystemColours> highContrastColours();

}  // namespace lnb::win32
