// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "design/window_design.hpp"

// The child windows' control identifiers, one for each row of the design
// table, by which the window and anything that drives it from outside (the
// tests' probe) find them.
namespace lnb::win32 {

inline constexpr int kControlIdBase = 1000;

constexpr int controlId(design::Id id) {
    return kControlIdBase + static_cast<int>(id);
}

// The control a child window's identifier names, if any.
constexpr std::optional<design::Id> controlOf(int identifier) {
    const int index = identifier - kControlIdBase;
    if (index < 0 || index >= static_cast<int>(design::kControlCount))
        return std::nullopt;
    return static_cast<design::Id>(index);
}

}  // namespace lnb::win32
