// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "design/presenter.hpp"
#include "design/view.hpp"

namespace lnb::web {

// What the page's script reads, as web/contract.json names it: a view (the
// core's answer each time) with what the page keeps for its next visit, and
// the design table's facts the page needs (the page's script is bundled
// with them and the first view: first_view.js).
std::string viewJson(const View& view, const Kept& kept);
std::string designJson();

}  // namespace lnb::web
