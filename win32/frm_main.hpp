// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "design/presenter.hpp"
#include "win32/accessibility.hpp"
#include "win32/control_owner.hpp"
#include "win32/control_windows.hpp"
#include "win32/input_field.hpp"
#include "win32/painted_controls.hpp"
#include "win32/painter.hpp"
#include "win32/units.hpp"

namespace lnb::win32 {

// The main window: a child window for each control of the design table, the
// labels, frames and pictures painted on its own surface; it tells the core
// what the user does and shows the view the core gives back.
class FrmMain : private ControlOwner {
  public:
    // Figures are read and written with the user's decimal separator.
    FrmMain(HINSTANCE instance, std::string decimalSeparator);
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // Creates the window (hidden) and its controls; false when Windows
    // refuses any part of it.
    bool create();
    // Computes and draws the example figures; call before the window is shown.
    void Form_Load();

    // For the start-up benchmark: with kQuitAfterFirstPaint set in the
    // environment, the program ends once the window has painted its first frame.
    void quitAfterFirstPaintWhenMeasured();

    // The message loop's hook: Tab and Shift+Tab through the dialog manager.
    bool preTranslate(MSG& message);

    HWND handle() const { return window_; }

  private:
    // No exception leaves a window procedure: the core's handlers throw none,
    // and anything else (memory exhausted) ends the program there.
    static LRESULT CALLBACK windowProcedure(HWND, UINT, WPARAM, LPARAM) noexcept;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool createWindow();
    bool createControls();
    void resize(const design::Size& size);
    HWND input(Input which) const { return controls_[design::fieldOf(which)]; }
    void layout(UINT dpi);

    void fieldEntered(Input which, bool byClick) override;
    void screenReaderAsked() override;
    void onTextChanged(Input which);
    void onPanelButton();
    void returnFocus();
    void showContextMenu(POINT screen);
    HBRUSH colourControl(HWND window, HDC dc);

    void showView(const View& view);
    void repaintPictures(const View& view);
    void paintBuffered(HDC target, const RECT& area, POINT at) const;

    HINSTANCE instance_;
    units::Fonts fonts_{USER_DEFAULT_SCREEN_DPI};
    units::GdiMeasure measure_{fonts_};
    Presenter presenter_;
    View shown_;  // what the window shows now: the last view it was given
    Painter painter_;

    HWND window_ = nullptr;
    ControlWindows controls_{painter_, fonts_};
    PaintedControls painted_{painter_, fonts_, presenter_, *this};
    std::array<InputField, kInputs.size()> inputs_;  // by Input
    Descriptions descriptions_;

    HWND lastFocus_ = nullptr;
    bool started_ = false;    // the first focus, when the window first shows, is entering
    bool returning_ = false;  // the focus comes back with the window: not entering
    bool quitAfterPaint_ = false;
};

}  // namespace lnb::win32
