// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace lnb::win32 {

// What a screen reader hears of the result besides its name: the line under
// it, as the result's description. The system's annotation service (COM) is
// only started once a screen reader asks for the result, so that a start-up
// without one pays nothing for it; where the system has no such service (as
// under Wine) the description is simply not there.
class ResultDescription {
  public:
    ResultDescription() = default;
    ~ResultDescription();
    ResultDescription(const ResultDescription&) = delete;
    ResultDescription& operator=(const ResultDescription&) = delete;

    // A screen reader is asking for the result (WM_GETOBJECT).
    void asked(HWND result, const std::wstring& line);
    // The line changed: the description follows, and screen readers are told.
    void changed(HWND result, const std::wstring& line);

  private:
    void annotate(HWND result, const std::wstring& line);

    bool started_ = false;
    HMODULE ole32_ = nullptr;
    bool comStarted_ = false;
    IAccPropServices* services_ = nullptr;
};

}  // namespace lnb::win32
