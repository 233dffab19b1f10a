// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QWidget;

namespace lnb {

// Name, version, desktop id and icon, as the desktop and the user see them.
void describeApplication();

// The window is Spanish by design, not by locale: Qt's own words (the
// fields' menus, standard dialogs) too, wherever its Spanish translations
// are installed. Call once the application object exists.
void speakSpanish();

// The window's controls sit at the design's fixed places and sizes, so it
// draws them with one style of its own, whatever the desktop chooses (a
// desktop style with wider buttons would cut the option captions). Call
// before any window is created.
void useOwnStyle();

QIcon programIcon();

// For the start-up benchmark: with kQuitAfterFirstPaint set in the
// environment, the program ends once `window` has painted its first frame.
void quitAfterFirstPaintWhenMeasured(QWidget& window);

}  // namespace lnb
