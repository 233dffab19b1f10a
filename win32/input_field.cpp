// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_field.hpp"

#include <commctrl.h>

#include "clipboard.hpp"
#include "numeric_text.hpp"
#include "window_design.hpp"
#include "wide_text.hpp"

namespace lnb::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

bool InputField::attach(HWND edit, Input which, std::wstring decimalSeparator,
                        InputFieldOwner& owner) {
    edit_ = edit;
    which_ = which;
    separator_ = std::move(decimalSeparator);
    owner_ = &owner;
    SendMessageW(edit, EM_SETLIMITTEXT, design::kLongestInput, 0);
    return SetWindowSubclass(edit, procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK InputField::procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) noexcept {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, procedure, kSubclassId);
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    return reinterpret_cast<InputField*>(self)->handle(message, wParam, lParam);
}

LRESULT InputField::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(edit_, message, wParam, lParam) & ~DLGC_HASSETSEL;
        case WM_KEYDOWN:
            keypadDecimal_ = wParam == VK_DECIMAL || wParam == VK_SEPARATOR;
            break;
        case WM_CHAR:
            if (keypadDecimal_) {  // as spreadsheets do
                keypadDecimal_ = false;
                replaceSelection(separator_);
                return 0;
            }
            break;
        case WM_PASTE:
            pasteTrimmed();
            return 0;
        case WM_LBUTTONDOWN: {
            clicking_ = true;
            const LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
            clicking_ = false;
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
            owner_->fieldEntered(which_, clicking_);
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(edit_, message, wParam, lParam);
}

// A clipboard without text pastes nothing, as in any edit control.
void InputField::pasteTrimmed() {
    const auto pasted = clipboard::text(edit_);
    if (!pasted)
        return;
    const std::string utf8 = narrow(*pasted);
    replaceSelection(widen(numeric_text::trimPasted(utf8)));
}

void InputField::replaceSelection(const std::wstring& text) {
    SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace lnb::win32
