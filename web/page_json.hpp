// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "design/view.hpp"

namespace lnb::web {

// A view as the page's script reads it (web/contract.json's View): what the
// core answers each time, and the first view index.html holds.
std::string viewJson(const View& view);

}  // namespace lnb::web
