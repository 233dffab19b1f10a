// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/menus.hpp"

#include "win32/clipboard.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

// A popup menu destroyed with its owner.
class PopupMenu {
  public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_)
            DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU get() const { return menu_; }

  private:
    HMENU menu_;
};

}  // namespace

std::optional<std::size_t> choose(HWND owner, POINT screen, const std::vector<MenuEntry>& entries) {
    const PopupMenu menu;
    if (!menu.get())
        return std::nullopt;
    UINT command = 1;  // 0 is no choice: an entry's command is its index and one
    for (const MenuEntry& entry : entries) {
        if (entry.words.empty())
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu.get(), MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED), command,
                        widen(entry.words).c_str());
        ++command;
    }
    const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                       screen.y, 0, owner, nullptr);
    if (chosen == 0)
        return std::nullopt;
    return chosen - 1;
}

std::vector<MenuEntry> entriesOf(const std::vector<CopyEntry>& copying) {
    std::vector<MenuEntry> entries;
    for (const CopyEntry& entry : copying) entries.push_back({entry.words, entry.enabled});
    return entries;
}

void copy(HWND owner, const CopyEntry& entry) {
    if (!clipboard::put(owner, widen(entry.text)))
        MessageBeep(MB_ICONWARNING);
}

void popUpCopyMenu(HWND owner, POINT screen, const std::vector<CopyEntry>& entries) {
    if (const auto chosen = choose(owner, screen, entriesOf(entries)))
        copy(owner, entries[*chosen]);
}

}  // namespace lnb::win32
