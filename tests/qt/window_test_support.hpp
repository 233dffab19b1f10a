// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's tests share: starting the window as the program does,
// finding its controls, typing and pasting, and reading the window as a user
// meets it: texts through the accessibility layer that screen readers use,
// colours from the drawn pixels.

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <memory>

#include "qt/application.hpp"
#include "qt/frm_main.hpp"

namespace lnb::testing {

inline const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
inline const QLocale kCommaLocale(QLocale::Spanish, QLocale::Spain);

// A window as the program starts it in a locale: loaded, shown and active.
inline std::unique_ptr<FrmMain> startWindow(const QLocale& locale = kPointLocale) {
    auto window = std::make_unique<FrmMain>(locale.decimalPoint().toStdString());
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

inline QLineEdit* field(const FrmMain& window, Input input) {
    static constexpr const char* kNames[] = {"txtVertical", "txtHorizontal", "txtProfundidad"};
    return child(window, kNames[static_cast<int>(input)]);
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

// What a screen reader reads of a control.
inline QString spoken(QWidget* widget, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(widget)->text(what);
}
inline QString resultText(const FrmMain& window) {
    return spoken(child(window, "txtDistancia"), QAccessible::Value);
}
inline QString lineUnderResult(const FrmMain& window) {
    return spoken(window.findChild<QWidget*>("lblAviso"), QAccessible::Name);
}

// The dish sheet as a screen reader meets it: the frame's group name, then
// each line it shows; nothing while it shows no frame.
inline QStringList sheetHeard(const FrmMain& window) {
    QStringList heard;
    auto* frame = window.findChild<QWidget*>("fraFicha");
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(frame);
    if (!frame->isVisible() || group->role() != QAccessible::Grouping)
        return heard;
    heard << group->text(QAccessible::Name);
    for (const char* line : {"lblFicha1", "lblFicha2", "lblFicha3"}) {
        auto* label = window.findChild<QWidget*>(line);
        if (label->isVisible())
            heard << spoken(label, QAccessible::Name);
    }
    return heard;
}

// The window as drawn, in device-independent pixels.
inline QImage grab(FrmMain& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
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

// How a text drawn in `area` of the image looks: the ink furthest from the
// background colour at `area`'s top left corner.
inline QColor inkIn(const QImage& image, const QRect& area) {
    const QColor background = image.pixelColor(area.topLeft());
    QColor ink = background;
    int furthest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - background.red()) +
                                 std::abs(c.green() - background.green()) +
                                 std::abs(c.blue() - background.blue());
            if (distance > furthest) {
                furthest = distance;
                ink = c;
            }
        }
    }
    return ink;
}

// The bounding box of what differs from `background` in `area`.
inline QRect inkBox(const QImage& image, const QRect& area, const QColor& background,
                    int threshold = 96) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                threshold)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Runs a QtTest class headless, in an application set up as the program's.
template <typename TestClass>
int runHeadless(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    describeApplication();
    speakSpanish();
    useOwnStyle();
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace lnb::testing
