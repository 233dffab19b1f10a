// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor for the program's start-up: a bare window of the design's
// size holding every caption and field text of the design, each at its place
// in its font — what any Qt program showing this design's words must do —
// without frames, pictures, colours or logic. Like the program under
// DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT, it ends once its first frame is painted.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QWidget>

#include "design/window_design.hpp"
#include "qt/quit_after_first_paint.hpp"
#include "qt/units.hpp"

namespace {

QFont fontOf(const lnb::design::Font& design) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(design.pointSize > 0 ? design.pointSize
                                            : lnb::design::kFrmMain.font.pointSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

int pixels(int twips) {
    return qRound(lnb::units::toPixels(twips));
}

// The words the window shows at start-up: the figures in the text fields,
// the line under the result, the captions.
QString textOf(const lnb::design::Control& control) {
    switch (control.id) {
        case lnb::design::Id::txtVertical:
        case lnb::design::Id::txtHorizontal:
            return QStringLiteral("80");
        case lnb::design::Id::txtProfundidad:
            return QStringLiteral("10");
        case lnb::design::Id::txtDistancia:
            return QStringLiteral("40");
        case lnb::design::Id::lblAviso:
            return QString::fromUtf8("Relación f/D: 0.50");
        default:
            return QString::fromUtf8(control.caption.data(), qsizetype(control.caption.size()));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(pixels(lnb::design::kFrmMain.clientWidth),
                  pixels(lnb::design::kFrmMain.clientHeight));
    for (const lnb::design::Control& control : lnb::design::kControls) {
        if (control.flags & lnb::design::kHidden)
            continue;
        const lnb::design::Place place = lnb::design::placeInWindow(control);
        QWidget* shown = nullptr;
        if (control.kind == lnb::design::Kind::TextField)
            shown = new QLineEdit(textOf(control), &window);
        else
            shown = new QLabel(textOf(control), &window);
        shown->setFont(fontOf(control.font));
        shown->setGeometry(pixels(place.left), pixels(place.top), pixels(control.width),
                           pixels(control.height));
    }
    lnb::QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
