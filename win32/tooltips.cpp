// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/tooltips.hpp"

#include <commctrl.h>

#include <algorithm>

#include "win32/wide_text.hpp"

namespace lnb::win32 {

Tooltips::~Tooltips() {
    if (window_)
        DestroyWindow(window_);
}

bool Tooltips::create(HWND owner, HINSTANCE instance) {
    window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    return window_ != nullptr;
}

bool Tooltips::show(HWND control, const std::string& text) {
    std::wstring wide = widen(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wide.data();
    const auto known = std::find(tools_.begin(), tools_.end(), control);
    if (known != tools_.end()) {
        if (!text.empty()) {
            SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
            return true;
        }
        SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        tools_.erase(known);
        return true;
    }
    if (text.empty())
        return true;
    if (!SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        return false;
    tools_.push_back(control);
    return true;
}

}  // namespace lnb::win32
