// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The clipboard's text, read and written whole; the clipboard is always
// closed again, and a failure is told, not hidden.
namespace lnb::win32::clipboard {

// Nothing when the clipboard is busy or holds no text.
std::optional<std::wstring> text(HWND owner);

// Whether `text` is now on the clipboard.
bool put(HWND owner, const std::wstring& text);

}  // namespace lnb::win32::clipboard
