// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/window_state.hpp"

// The rules that stretch and move the six pictures of the two dish drawings.
// Each rule reads what earlier rules wrote and stops the handler on failure.
// H, V, p and F are the measurements as read from their fields.
namespace lnb::geometry {

// Load hides both dishes before the figures give them their sizes.
void initialCollapse(WindowState& frm);
void horizontalGroup(WindowState& frm, double H);
void verticalGroup(WindowState& frm, double V);
void depthGroup(WindowState& frm, double p);
// Puts the side-view LNB at the focal distance F and stretches its arm to it.
void focalPlacement(WindowState& frm, double F);

}  // namespace lnb::geometry
