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

// Whether `lines` are now on the clipboard, each line break as Windows writes
// one ("\r\n").
bool put(HWND owner, const std::wstring& lines);

}  // namespace lnb::win32::clipboard
