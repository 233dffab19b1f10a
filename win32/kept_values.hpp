// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/presenter.hpp"

// What the window keeps for its next start, in the user's registry key
// (HKEY_CURRENT_USER\Software\PRODUCT), one text value for each name.
namespace lnb::win32 {

// Each kept text given back to the presenter, which takes it or drops it;
// a value of any other type is none of this program's.
void restoreKept(Presenter& presenter);

// Written as it changes: nothing is lost however the program ends.
void keep(const Kept& kept);

}  // namespace lnb::win32
