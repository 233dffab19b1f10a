// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/window_state.hpp"

namespace lnb::win32 {

// What the controls that the window subclasses tell it.
class ControlOwner {
  public:
    // An input field took the focus, by a click or otherwise.
    virtual void fieldEntered(Input which, bool byClick) = 0;
    // A screen reader asks a control for what it can read of it.
    virtual void screenReaderAsked() = 0;

  protected:
    ~ControlOwner() = default;
};

}  // namespace lnb::win32
