// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/input_field.hpp"

#include <commctrl.h>

#include "design/window_design.hpp"
#include "win32/clipboard.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr WPARAM kCtrlY = 0x19;  // the characters Ctrl+Y and Ctrl+Z type
constexpr WPARAM kCtrlZ = 0x1A;

}  // namespace

bool InputField::attach(HWND edit, Input which, const Presenter& presenter, ControlOwner& owner) {
    edit_ = edit;
    which_ = which;
    presenter_ = &presenter;
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
            if (wParam == VK_DELETE)
                undone_ = false;
            break;
        case WM_CHAR:
            return character(wParam, lParam);
        case WM_UNDO:
        case EM_UNDO:
            undone_ = !undone_;
            break;
        case WM_PASTE:
            undone_ = false;
            paste();
            return 0;
        case WM_CUT:
        case WM_CLEAR:
            undone_ = false;
            break;
        // The edit control takes the focus on these: entering by a click.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_CONTEXTMENU:
            return asClick(message, wParam, lParam);
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
            owner_->fieldEntered(which_, clicking_);
            return result;
        }
        case WM_GETOBJECT:
            owner_->screenReaderAsked();
            break;
        default:
            break;
    }
    return DefSubclassProc(edit_, message, wParam, lParam);
}

LRESULT InputField::asClick(UINT message, WPARAM wParam, LPARAM lParam) {
    clicking_ = true;
    const LRESULT result = DefSubclassProc(edit_, message, wParam, lParam);
    clicking_ = false;
    return result;
}

LRESULT InputField::character(WPARAM code, LPARAM lParam) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool redo = code == kCtrlY || (code == kCtrlZ && shift);
    if (code == kCtrlZ || redo) {
        if (!redo || undone_)
            SendMessageW(edit_, EM_UNDO, 0, 0);
        return 0;
    }
    undone_ = false;
    if (keypadDecimal_) {
        keypadDecimal_ = false;
        const auto [start, length] = selection();
        apply(presenter_->keypadDecimal(which_, start, length));
        return 0;
    }
    return DefSubclassProc(edit_, WM_CHAR, code, lParam);
}

// A clipboard without text pastes nothing, as in any edit control.
void InputField::paste() {
    const auto pasted = clipboard::text(edit_);
    if (!pasted)
        return;
    const auto [start, length] = selection();
    apply(presenter_->paste(which_, start, length, narrow(*pasted)));
}

void InputField::apply(const Insertion& insertion) {
    SendMessageW(edit_, EM_SETSEL, insertion.start, insertion.start + insertion.length);
    const std::wstring text = widen(insertion.text);
    SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(edit_, EM_SETSEL, insertion.caret, insertion.caret);
}

std::pair<int, int> InputField::selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

}  // namespace lnb::win32
