// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "design/view.hpp"
#include "win32/painter.hpp"
#include "win32/tooltips.hpp"
#include "win32/units.hpp"

namespace lnb::win32 {

// A child window for each control of the design table that the desktop has:
// an edit control for a text field, a radio button for an option button, a
// button for a button (a push-like check box for one that toggles), and for
// a label or a frame
// an owner-drawn static window holding its words (a frame's caption only),
// which shows what the window paints where it lies. So every word of the
// window can be read from outside, as screen readers and the tests' probe
// read it. A field's naming caption is made just before the field: Windows
// names an edit control for screen readers by the static text made before it.
// A control with a tooltip in the view shows it while the pointer rests on it.
class ControlWindows {
  public:
    // `painter` and `fonts` must outlive the windows.
    ControlWindows(const Painter& painter, const units::Fonts& fonts)
        : painter_(painter), fonts_(fonts) {}
    ControlWindows(const ControlWindows&) = delete;
    ControlWindows& operator=(const ControlWindows&) = delete;

    // False when Windows refuses any of them.
    bool create(HWND parent, HINSTANCE instance, const View& view);

    // None for the page's own controls.
    HWND operator[](design::Id id) const { return windows_[static_cast<std::size_t>(id)]; }
    // The control a child window shows, if it is one of them.
    std::optional<design::Id> controlOf(HWND window) const;

    // Every window's place and font at the fonts' DPI.
    void layout(const View& view);
    // The windows whose words or state changed; those of labels and frames
    // are repainted with the surface under them, a frame's caption window
    // fitted to its new words.
    void show(const View& now, const View& before);
    // The static windows that lie over `area` of the surface, repainted.
    void invalidateOver(const RECT& area) const;

  private:
    HWND create(const design::Control& control, const ShownControl& shown);
    RECT captionPlace(const design::Control& caption, const View& view) const;

    const Painter& painter_;
    const units::Fonts& fonts_;
    HWND parent_ = nullptr;
    HINSTANCE instance_ = nullptr;
    std::array<HWND, design::kControlCount> windows_{};  // by design::Id
    Tooltips tooltips_;
};

}  // namespace lnb::win32
