// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Windows' "High Contrast Black" and "High Contrast White" schemes, as the
// system gives their colours: what the core's view is checked against, and
// what the tests' build of the Windows program answers with.

#include "design/window_design.hpp"

namespace lnb::testing {

constexpr design::SystemColours kHighContrastBlack{.window = 0x000000,
                                                   .windowText = 0xFFFFFF,
                                                   .grayText = 0x3FF23F,
                                                   .highlight = 0x1AEBFF,
                                                   .highlightText = 0x000000,
                                                   .face = 0x000000,
                                                   .shadow = 0xFFFFFF,
                                                   .light = 0xFFFFFF,
                                                   .darkShadow = 0xFFFFFF,
                                                   .infoBack = 0x000000,
                                                   .infoText = 0xFFFFFF};
constexpr design::SystemColours kHighContrastWhite{.window = 0xFFFFFF,
                                                   .windowText = 0x000000,
                                                   .grayText = 0x600000,
                                                   .highlight = 0x37006E,
                                                   .highlightText = 0xFFFFFF,
                                                   .face = 0xFFFFFF,
                                                   .shadow = 0x000000,
                                                   .light = 0x000000,
                                                   .darkShadow = 0x000000,
                                                   .infoBack = 0xFFFFFF,
                                                   .infoText = 0x000000};

}  // namespace lnb::testing
