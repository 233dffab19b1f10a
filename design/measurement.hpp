// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lnb {

// For the start-up benchmark: with this set in the environment, either window
// ends the program once it has painted its first frame.
inline constexpr char kQuitAfterFirstPaint[] = "DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT";

}  // namespace lnb
