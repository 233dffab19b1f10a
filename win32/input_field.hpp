// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include "design/field_menu.hpp"
#include "design/presenter.hpp"
#include "win32/control_owner.hpp"

namespace lnb::win32 {

// A figure's edit control, taking figures as people type and paste them, as
// the core decides: what the keypad's decimal key types, what a paste puts
// where (one step for Ctrl+Z). Ctrl+Y and Ctrl+Shift+Z redo what Ctrl+Z
// undid, and Tab does not select the whole text, so that entering applies
// the core's rule; a click, left or right, keeps the caret where it is. Its
// menu is the program's own, in Spanish, with the view's copying entries.
class InputField {
  public:
    InputField() = default;
    InputField(const InputField&) = delete;
    InputField& operator=(const InputField&) = delete;

    // Takes over `edit`'s messages; false when Windows refuses. `presenter`
    // and `owner` must outlive the field.
    bool attach(HWND edit, Input which, const Presenter& presenter, ControlOwner& owner);

  private:
    static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT asClick(UINT message, WPARAM wParam, LPARAM lParam);
    void showMenu(LPARAM where);
    // Whether the menu's command can act now, and carrying it out.
    bool offers(design::EditCommand command) const;
    void carryOut(design::EditCommand command);
    POINT menuPlace(LPARAM where) const;
    void paste();
    void apply(const Insertion& insertion);
    LRESULT character(WPARAM code, LPARAM lParam);
    // The selection, in UTF-16 units: where it starts and how long it is.
    std::pair<int, int> selection() const;

    HWND edit_ = nullptr;
    Input which_ = Input::Vertical;
    const Presenter* presenter_ = nullptr;
    ControlOwner* owner_ = nullptr;
    bool keypadDecimal_ = false;
    bool clicking_ = false;
    // The last change was an undo, which the edit control's one-step undo
    // takes back when asked to undo again: that is the redo.
    bool undone_ = false;
};

}  // namespace lnb::win32
