// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace lnb {

// What screen readers see beyond Qt's own: the window's tree leaves out the
// controls it does not show (the hidden work fields, a sheet not shown), and
// frames are groups named by their captions.
// Call once before the window is created.
void installAccessibility();

}  // namespace lnb
