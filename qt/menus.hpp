// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "design/view.hpp"

class QMenu;

namespace lnb {

// Adds a control's copying entries to a menu: each puts its text on the
// clipboard.
void addCopyEntries(QMenu& menu, const std::vector<CopyEntry>& entries);

}  // namespace lnb
