// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QWidget;

namespace lnb {

// Before Qt starts: whether a platform can show the window. Without one, Qt
// would abort with advice to reinstall; the program says so plainly instead.
bool findsGraphicalDisplay(int argc, char* argv[]);
void reportNoGraphicalDisplay();

// While the application object is created: a display that is named but does
// not answer ends the program with the same plain words, and a display whose
// platform plugin is missing with words naming the package that brings it;
// exit status 1.
class NoDisplayGuard {
  public:
    NoDisplayGuard();
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};

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
