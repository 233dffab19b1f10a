// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace lnb {

// Ends the application once the widget it filters has painted its first
// frame: what the start-up benchmark times, for the program and for the bare
// Qt window it is compared with alike. Header-only, so that the bare window
// links nothing of the program's.
class QuitAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) noexcept override {
        // Quit once the paint has been flushed to the screen, not before.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace lnb
