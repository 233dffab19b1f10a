// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace lnb {

// A button as the design draws one, in the colours its palette holds (the
// view's): raised on its back colour, sunken while pushed or held down, its
// caption centred, a dotted line inside it while it has the focus. (Drawn
// here rather than by the style, which shades a held-down button its own
// way.) Screen readers hear it as Qt describes a push button: a toggle one as
// a check box, checked while held down.
class Button : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) noexcept override;
};

}  // namespace lnb
