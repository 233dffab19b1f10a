// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include "design/presenter.hpp"
#include "win32/control_owner.hpp"
#include "win32/control_windows.hpp"
#include "win32/painter.hpp"
#include "win32/units.hpp"

namespace lnb::win32 {

// The controls whose look Windows would not draw as the view says, painted
// from it instead: a disabled text field (the result), whose text Windows
// greys, in its colour and size; option buttons flat, in the design's
// colours.
class PaintedControls {
  public:
    // All must outlive the controls.
    PaintedControls(const Painter& painter, const units::Fonts& fonts, const Presenter& presenter,
                    ControlOwner& owner)
        : painter_(painter), fonts_(fonts), presenter_(presenter), owner_(owner) {}
    PaintedControls(const PaintedControls&) = delete;
    PaintedControls& operator=(const PaintedControls&) = delete;

    // Takes over the painting of those of `windows` that need it; false when
    // Windows refuses.
    bool attach(const ControlWindows& windows);

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) noexcept;
    void paint(HWND window, design::Id id, HDC dc) const;

    const Painter& painter_;
    const units::Fonts& fonts_;
    const Presenter& presenter_;
    ControlOwner& owner_;
};

}  // namespace lnb::win32
