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

void popUpCopyMenu(HWND owner, POINT screen, const std::vector<CopyEntry>& entries) {
    const PopupMenu menu;
    if (!menu.get())
        return;
    UINT command = 1;  // 0 is no choice
    for (const CopyEntry& entry : entries) {
        AppendMenuW(menu.get(), MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED), command++,
                    widen(entry.words).c_str());
    }
    const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                       screen.y, 0, owner, nullptr);
    if (chosen > 0 && !clipboard::put(owner, widen(entries[chosen - 1].text)))
        MessageBeep(MB_ICONWARNING);
}

}  // namespace lnb::win32
