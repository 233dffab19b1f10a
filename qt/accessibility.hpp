// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lnb {

// What screen readers see beyond Qt's own: the window's tree leaves out the
// controls it never shows (the hidden work fields), and frames are groups.
// Call once before the window is created.
void installAccessibility();

}  // namespace lnb
