// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lnb::win32 {

// The window's tooltips: one tooltip window, a tool for each control that
// has a tooltip, shown while the pointer rests on the control.
class Tooltips {
  public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // False when Windows refuses the tooltip window.
    bool create(HWND owner, HINSTANCE instance);
    // `control`'s tooltip becomes `text` (UTF-8); an empty text, none. False
    // when Windows refuses.
    bool show(HWND control, const std::string& text);

  private:
    HWND window_ = nullptr;
    std::vector<HWND> tools_;  // the controls that have a tooltip
};

}  // namespace lnb::win32
