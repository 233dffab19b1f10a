// SPDX-License-Identifier: GPL-3.0-or-later
#include "wide_text.hpp"

#include <windows.h>

#include <algorithm>

namespace lnb::win32 {
namespace {

bool isHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

int toCharacters(std::wstring_view text, int utf16Position) {
    const auto end = static_cast<std::size_t>(std::clamp(utf16Position, 0, int(text.size())));
    // A low surrogate belongs to the character before it.
    return static_cast<int>(std::count_if(text.begin(), text.begin() + static_cast<long>(end),
                                          [](wchar_t c) { return !isLowSurrogate(c); }));
}

int toUtf16(std::wstring_view text, int characters) {
    std::size_t at = 0;
    for (int counted = 0; counted < characters && at < text.size(); ++counted)
        at += isHighSurrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
    return static_cast<int>(at);
}

}  // namespace lnb::win32
