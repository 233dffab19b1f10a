// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/clipboard.hpp"

#include <algorithm>

namespace lnb::win32::clipboard {
namespace {

class Opened {
  public:
    explicit Opened(HWND owner) : open_(OpenClipboard(owner)) {}
    ~Opened() {
        if (open_)
            CloseClipboard();
    }
    Opened(const Opened&) = delete;
    Opened& operator=(const Opened&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

// A global memory block locked for the owner's lifetime.
template <typename T>
class Locked {
  public:
    explicit Locked(HGLOBAL memory) : memory_(memory), data_(static_cast<T*>(GlobalLock(memory))) {}
    ~Locked() {
        if (data_)
            GlobalUnlock(memory_);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    T* get() const { return data_; }

  private:
    HGLOBAL memory_;
    T* data_;
};

}  // namespace

std::optional<std::wstring> text(HWND owner) {
    const Opened opened(owner);
    if (!opened)
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return std::nullopt;
    const Locked<const wchar_t> locked(data);
    if (!locked.get())
        return std::nullopt;
    // The text ends at its terminator, or at the end of its block.
    const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
    const wchar_t* begin = locked.get();
    return std::wstring(begin, std::find(begin, begin + room, L'\0'));
}

bool put(HWND owner, const std::wstring& lines) {
    std::wstring text;  // in Windows' own line breaks
    for (const wchar_t c : lines) {
        if (c == L'\n')
            text += L'\r';
        text += c;
    }
    const Opened opened(owner);
    if (!opened || !EmptyClipboard())
        return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory)
        return false;
    {
        const Locked<wchar_t> locked(memory);
        if (!locked.get()) {
            GlobalFree(memory);
            return false;
        }
        std::copy_n(text.c_str(), text.size() + 1, locked.get());
    }
    if (!SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the block now
}

}  // namespace lnb::win32::clipboard
