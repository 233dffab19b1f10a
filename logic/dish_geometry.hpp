// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/failure.hpp"
#include "logic/window_state.hpp"

// The rules that stretch and move the six pictures of the two dish drawings.
// Each rule reads what earlier rules wrote. A group stops at the first rule
// that fails, records why in `failure` and returns false. H, V, p and F are
// the measurements as read from their fields.
namespace lnb::geometry {

// Load hides both dishes before the figures give them their sizes.
bool initialCollapse(WindowState& frm, Outcome& failure);
bool horizontalGroup(WindowState& frm, double H, Outcome& failure);
bool verticalGroup(WindowState& frm, double V, Outcome& failure);
bool depthGroup(WindowState& frm, double p, Outcome& failure);
// Puts the side-view LNB at the focal distance F and stretches its arm to it.
bool focalPlacement(WindowState& frm, double F, Outcome& failure);

}  // namespace lnb::geometry
