// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

#include "design/view.hpp"
#include "win32/control_windows.hpp"

struct IAccPropServices;

namespace lnb::win32 {

// What a screen reader hears of a control besides its name: its description
// in the view (the unit with each figure, the line under the result with the
// result). The system's annotation service (COM) is only started once a
// screen reader asks for a control, so that a start-up without one pays
// nothing for it; where the system has no such service (as under Wine) the
// descriptions are simply not there.
class Descriptions {
  public:
    Descriptions() = default;
    ~Descriptions();
    Descriptions(const Descriptions&) = delete;
    Descriptions& operator=(const Descriptions&) = delete;

    // A screen reader is asking for a control (WM_GETOBJECT).
    void asked(const ControlWindows& windows, const View& view);
    // A control's description changed: it follows, and screen readers are told.
    void changed(HWND control, const std::string& description);

  private:
    void annotate(HWND control, const std::string& description);

    bool started_ = false;
    HMODULE ole32_ = nullptr;
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
};

}  // namespace lnb::win32
