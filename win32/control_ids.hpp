// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/window_design.hpp"

// The child windows' control identifiers, by which the window and anything
// that drives it from outside (the tests' probe) find them.
namespace lnb::win32 {

inline constexpr int kControlIdBase = 1000;
inline constexpr int kStatusLineId = 999;

constexpr int controlId(design::Id id) {
    return kControlIdBase + static_cast<int>(id);
}

}  // namespace lnb::win32
