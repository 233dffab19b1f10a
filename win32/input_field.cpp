// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/input_field.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include "design/field_menu.hpp"
#include "design/window_design.hpp"
#include "win32/clipboard.hpp"
#include "win32/menus.hpp"
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
            // The edit control pastes on Shift+Insert by itself, not through
            // WM_PASTE: this paste is ours too.
            if (wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0) {
                undone_ = false;
                paste();
                return 0;
            }
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
            return asClick(message, wParam, lParam);
        case WM_CONTEXTMENU:
            showMenu(lParam);
            return 0;
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

// The fields' menu as every window has it, in Spanish whatever the system's
// language: the edit commands, each offered while it can act, then the
// view's copying entries. A right click into the field enters it first, as a
// click does.
void InputField::showMenu(LPARAM where) {
    if (GetFocus() != edit_) {
        clicking_ = true;
        SetFocus(edit_);
        clicking_ = false;
    }
    std::vector<MenuEntry> entries;
    for (const design::FieldMenuEntry& entry : design::kFieldMenu) {
        if (!entry.command) {
            entries.push_back({});
            continue;
        }
        std::string words(entry.words);
        if (!entry.keys.empty())
            words += "\t" + std::string(entry.keys);
        entries.push_back({std::move(words), offers(*entry.command)});
    }
    const std::vector<CopyEntry>& copying = presenter_->view()[design::fieldOf(which_)].menu;
    for (const MenuEntry& entry : entriesOf(copying)) entries.push_back(entry);
    const auto chosen = choose(edit_, menuPlace(where), entries);
    if (!chosen)
        return;
    if (*chosen >= design::kFieldMenu.size())
        return copy(edit_, copying[*chosen - design::kFieldMenu.size()]);
    if (const auto command = design::kFieldMenu[*chosen].command)
        carryOut(*command);
}

bool InputField::offers(design::EditCommand command) const {
    const bool selected = selection().second > 0;
    switch (command) {
        case design::EditCommand::Undo:
            return SendMessageW(edit_, EM_CANUNDO, 0, 0) && !undone_;
        case design::EditCommand::Redo:
            return undone_;
        case design::EditCommand::Cut:
        case design::EditCommand::Copy:
        case design::EditCommand::Delete:
            return selected;
        case design::EditCommand::Paste:
            return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
        case design::EditCommand::SelectAll:
            break;
    }
    return GetWindowTextLengthW(edit_) > 0;
}

// Each as the keys that do the same: the edit control's own messages, which
// this field takes over where the core decides (a paste) or keeps track
// (undo and redo).
void InputField::carryOut(design::EditCommand command) {
    switch (command) {
        case design::EditCommand::Undo:
        case design::EditCommand::Redo:
            SendMessageW(edit_, WM_UNDO, 0, 0);
            return;
        case design::EditCommand::Cut:
            SendMessageW(edit_, WM_CUT, 0, 0);
            return;
        case design::EditCommand::Copy:
            SendMessageW(edit_, WM_COPY, 0, 0);
            return;
        case design::EditCommand::Paste:
            SendMessageW(edit_, WM_PASTE, 0, 0);
            return;
        case design::EditCommand::Delete:
            SendMessageW(edit_, WM_CLEAR, 0, 0);
            return;
        case design::EditCommand::SelectAll:
            SendMessageW(edit_, EM_SETSEL, 0, -1);
            return;
    }
}

// Where the pointer is; from the keyboard (the menu key, Shift+F10), at the
// caret.
POINT InputField::menuPlace(LPARAM where) const {
    if (where != -1)
        return {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(edit_, &caret);
    return caret;
}

std::pair<int, int> InputField::selection() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end - start)};
}

}  // namespace lnb::win32
