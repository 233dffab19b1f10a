// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "design/view.hpp"

namespace lnb::win32 {

// An entry of a popup menu; one without words is a separator.
struct MenuEntry {
    std::string words;  // UTF-8
    bool enabled = true;
};

// Pops up a menu of `entries` at `screen` (screen coordinates) and gives the
// one chosen, if any.
std::optional<std::size_t> choose(HWND owner, POINT screen, const std::vector<MenuEntry>& entries);

// A control's copying entries as menu entries.
std::vector<MenuEntry> entriesOf(const std::vector<CopyEntry>& copying);

// Puts a copying entry's text on the clipboard, with a beep where another
// program holds the clipboard.
void copy(HWND owner, const CopyEntry& entry);

// Pops up a control's copying entries at `screen`; the entry chosen copies.
void popUpCopyMenu(HWND owner, POINT screen, const std::vector<CopyEntry>& entries);

}  // namespace lnb::win32
