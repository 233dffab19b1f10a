// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

#include "logic/window_state.hpp"

namespace lnb::win32 {

// What an input field tells the window that holds it.
class InputFieldOwner {
  public:
    // The field took the focus, by a click or otherwise.
    virtual void fieldEntered(Input which, bool byClick) = 0;

  protected:
    ~InputFieldOwner() = default;
};

// A figure's edit control, taking figures as people type and paste them: the
// keypad's decimal key types the locale's separator, line breaks and tabs
// around pasted text are dropped (the paste stays one step for Ctrl+Z),
// Ctrl+Y and Ctrl+Shift+Z redo what Ctrl+Z undid, and Tab does not select the
// whole text, so that entering applies the core's rule.
class InputField {
  public:
    InputField() = default;
    InputField(const InputField&) = delete;
    InputField& operator=(const InputField&) = delete;

    // Takes over `edit`'s messages; false when Windows refuses.
    bool attach(HWND edit, Input which, std::wstring decimalSeparator, InputFieldOwner& owner);
    HWND handle() const { return edit_; }

  private:
    static LRESULT CALLBACK procedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void pasteTrimmed();
    void replaceSelection(const std::wstring& text);
    LRESULT character(WPARAM code, LPARAM lParam);

    HWND edit_ = nullptr;
    Input which_ = Input::Vertical;
    std::wstring separator_;
    InputFieldOwner* owner_ = nullptr;
    bool keypadDecimal_ = false;
    bool clicking_ = false;
    // The last change was an undo, which the edit control's one-step undo
    // takes back when asked to undo again: that is the redo.
    bool undone_ = false;
};

}  // namespace lnb::win32
