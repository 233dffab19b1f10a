// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's tests share: starting the window as the program does,
// finding its controls, typing and pasting, and reading colours.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

#include "application.hpp"
#include "frm_main.hpp"

namespace lnb::testing {

inline const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
inline const QLocale kCommaLocale(QLocale::Spanish, QLocale::Spain);

// A window as the program starts it: loaded, shown and active.
inline std::unique_ptr<FrmMain> startWindow(const QLocale& locale = kPointLocale) {
    QLocale::setDefault(locale);
    auto window = std::make_unique<FrmMain>();
    window->Form_Load();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("window did not become active");
    return window;
}

template <typename T = QLineEdit>
T* child(const FrmMain& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Replaces the whole text of a field by typing, key by key.
inline void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

// Replaces the whole text of a field at once, as a paste does.
inline void paste(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}

inline bool isBlueish(const QColor& c) {
    return c.blue() - c.red() > 60 && c.blue() - c.green() > 60;
}

// Whether a blue outline passes within `radius` pixels of `point`.
inline bool outlineNear(const QImage& image, QPoint point, int radius = 2) {
    for (int dx = -radius; dx <= radius; ++dx)
        for (int dy = -radius; dy <= radius; ++dy)
            if (isBlueish(image.pixelColor(point + QPoint(dx, dy))))
                return true;
    return false;
}

// Runs a QtTest class headless, in an application described as the program's.
template <typename TestClass>
int runHeadless(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    describeApplication();
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lnb::testing
