// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up time and memory: the least a Qt program that shows
// text can do — a window of the same size with one label and one text field.
// Like the real program under DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT, it ends
// once its first frame is painted (the header brings no link to the program).
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "qt/quit_after_first_paint.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(805, 643);
    QLabel label("Distancia aplicable", &window);
    label.move(20, 20);
    QLineEdit field("80", &window);
    field.move(20, 60);
    lnb::QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
