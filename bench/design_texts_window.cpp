// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor for the program's start-up: a bare window of the design's
// size showing what the window first shows — every word at its place in its
// font, and the six drawings at their places — as plain labels, fields and
// pictures: what any Qt program showing this window must do, without frames,
// colours, fitting or the window's own widgets. The words and places are the
// core's first view. Like the program under DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT,
// it ends once its first frame is painted.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QWidget>

#include "design/presenter.hpp"
#include "qt/quit_after_first_paint.hpp"
#include "qt/units.hpp"

namespace {

// Texts are not fitted here: they take the design's sizes.
class NoMeasure : public lnb::TextMeasure {
  public:
    double widthInTwips(std::string_view, const lnb::design::Font&, double) const override {
        return 0;
    }
};

QFont fontOf(const lnb::design::Font& design, double pointSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

int pixels(double twips) {
    return qRound(lnb::units::toPixels(twips));
}

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The six drawings where the first view has them, bottom up.
class Drawings : public QWidget {
  public:
    explicit Drawings(const lnb::View& view) : view_(view) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (const lnb::ShownPicture& picture : view_.picturesBottomUp) {
            QSvgRenderer drawing(QStringLiteral(":/pictures/%1.svg").arg(toQString(picture.name)));
            const lnb::Rect& at = picture.now;
            drawing.render(&painter,
                           QRectF(lnb::units::toPixels(at.left), lnb::units::toPixels(at.top),
                                  lnb::units::toPixels(at.width), lnb::units::toPixels(at.height)));
        }
    }

  private:
    const lnb::View& view_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const NoMeasure measure;
    lnb::Presenter presenter(".", measure);
    const lnb::View& view = presenter.load();
    Drawings window(view);
    window.resize(pixels(lnb::design::kFrmMain.clientWidth),
                  pixels(lnb::design::kFrmMain.clientHeight));
    for (const lnb::design::Control& control : lnb::design::kControls) {
        const lnb::ShownControl& shown = view[control.id];
        if (!shown.shown || shown.text.empty())
            continue;
        const lnb::design::Place place = lnb::design::placeInWindow(control);
        QWidget* widget = nullptr;
        if (control.kind == lnb::design::Kind::TextField)
            widget = new QLineEdit(toQString(shown.text), &window);
        else
            widget = new QLabel(toQString(shown.text), &window);
        widget->setFont(fontOf(control.font, shown.pointSize));
        widget->setGeometry(pixels(place.left), pixels(place.top), pixels(control.width),
                            pixels(control.height));
    }
    lnb::QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
