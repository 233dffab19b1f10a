// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/kept_values.hpp"

#include <windows.h>

#include <vector>

#include "design/build_config.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

constexpr wchar_t kKey[] = L"Software\\" DISTANCIA_PRODUCT_NAME;

// Owns an open registry key.
class Key {
  public:
    explicit Key(bool create) {
        const LSTATUS status =
            create ? RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0,
                                     KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key_);
        if (status != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// A text value, whole, or nothing where the value is missing, of another
// type, or larger than any field takes.
std::optional<std::wstring> textValue(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ || bytes > (design::kLongestInput + 1) * sizeof(wchar_t))
        return std::nullopt;
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::wstring(text.data());
}

}  // namespace

void restoreKept(Presenter& presenter) {
    const Key key(false);
    if (!key.get())
        return;
    for (const std::string_view name : kKeptNames) {
        if (const auto value = textValue(key.get(), widen(name)))
            presenter.restore(name, narrow(*value));
    }
}

void keep(const Kept& kept) {
    const Key key(true);
    if (!key.get())
        return;
    for (const auto& [name, value] : kept) {
        const std::wstring text = widen(value);
        RegSetValueExW(key.get(), widen(name).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
}

}  // namespace lnb::win32
