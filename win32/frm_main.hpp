// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "frm_main_logic.hpp"
#include "picture_painter.hpp"
#include "window_design.hpp"

namespace lnb::win32 {

// How an input field was entered: by the keyboard (Tab, or at start-up), by a
// click, or by coming back to the window, which is not entering it.
enum class Entry { Keyboard, Mouse, Returning };

// The main window: native controls built from the design table, the labels,
// frames and pictures painted on its own surface, the user's typing passed
// to the calculator core and the core's state shown.
class FrmMain {
  public:
    FrmMain(HINSTANCE instance, std::string decimalSeparator);
    ~FrmMain();
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Creates the window (hidden) and its controls.
    HWND create();
    // Computes and draws the example figures; call before the window is shown.
    void Form_Load();

    // For the start-up benchmark: with kQuitAfterFirstPaint set in the
    // environment, the program ends once the window has painted its first frame.
    void quitAfterFirstPaintWhenMeasured();

    // The message loop's hook: Tab and Shift+Tab through the dialog manager.
    bool preTranslate(MSG& message);

    HWND handle() const { return window_; }
    const FrmMainLogic& logic() const { return logic_; }

  private:
    struct Fonts;

    // No exception leaves a window procedure: the core's handlers throw none,
    // and anything else (memory exhausted) ends the program there.
    static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM) noexcept;
    static LRESULT CALLBACK inputProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                           DWORD_PTR) noexcept;
    static LRESULT CALLBACK resultProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR,
                                            DWORD_PTR) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleInput(Input input, HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    HWND control(design::Id id) const { return controls_[static_cast<std::size_t>(id)]; }
    HWND input(Input which) const { return control(design::fieldOf(which)); }
    void layout(UINT dpi);

    void onTextChanged(Input which);
    void onEntered(Input which, Entry entry);
    void pasteTrimmed(HWND edit);
    void typeDecimalSeparator(HWND edit);
    void returnFocus();
    void showContextMenu(POINT screen);

    void showState();
    void fitFonts();
    void repaintMovedPictures();
    RECT statusLineRect() const;

    void paintBuffered(HDC target, const RECT& area, POINT at) const;
    void paint(HDC dc, const RECT& area) const;
    void paintFrame(HDC dc, design::Id id) const;
    void paintLabel(HDC dc, design::Id id) const;
    void paintStatusLine(HDC dc) const;
    void paintPictures(HDC dc, const RECT& area) const;
    void paintResult(HWND edit, HDC dc) const;
    void paintStatusLineControl(const DRAWITEMSTRUCT& item) const;
    RECT pictureVisiblePart(const Rect& twips) const;

    HINSTANCE instance_;
    FrmMainLogic logic_;
    std::wstring separator_;
    HWND window_ = nullptr;
    std::array<HWND, 16> controls_{};  // by design::Id; frames and labels are painted
    HWND statusLine_ = nullptr;        // drawn by the window, over what lies beneath it
    std::wstring statusText_;          // the core's line for the status shown
    bool statusIsMessage_ = false;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<Fonts> fonts_;
    PicturePainter pictures_;
    std::array<Rect, 6> shownPictures_{};
    HMENU resultMenu_ = nullptr;

    Entry entering_ = Entry::Keyboard;
    HWND lastFocus_ = nullptr;
    bool started_ = false;  // the first focus, when the window first shows, is entering
    bool keypadDecimal_ = false;
    bool quitAfterPaint_ = false;
};

}  // namespace lnb::win32
