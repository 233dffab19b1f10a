// SPDX-License-Identifier: GPL-3.0-or-later
// The window as drawn, compared with the design: colours, rectangles, the
// places and sizes of its words. Under the default palette and under a dark
// one (what a dark desktop theme gives the application), set before the
// window is built or while it runs: the design's window is white with light
// grey frames whatever the desktop's theme.
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include "design/build_config.hpp"
#include "tests/data_tables.hpp"
#include "tests/qt/window_test_support.hpp"

using namespace lnb::testing;

namespace {

enum class Theme { Default, DarkBefore, DarkWhileRunning };

// What a dark desktop theme makes of the application palette.
QPalette darkPalette() {
    const QColor window(36, 36, 36), text(224, 224, 224), button(53, 53, 53);
    QPalette dark(text, button, button.lighter(150), button.darker(150), button.darker(120), text,
                  Qt::white, window, window);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

// The window started under a theme; the application's palette comes back
// afterwards.
struct Started {
    explicit Started(Theme theme) {
        if (theme == Theme::DarkBefore)
            QApplication::setPalette(darkPalette());
        window = startWindow();
        if (theme == Theme::DarkWhileRunning) {
            QApplication::setPalette(darkPalette());
            QApplication::processEvents();
        }
    }
    ~Started() { QApplication::setPalette(original); }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    QPalette original = QApplication::palette();
    std::unique_ptr<lnb::FrmMain> window;
};

// The kinds of colour a text's ink is told apart by.
bool inkIs(const QColor& c, const std::string& kind) {
    const int r = c.red(), g = c.green(), b = c.blue();
    if (kind == "dark")
        return std::max({r, g, b}) <= 80;
    if (kind == "blue")
        return b >= 160 && b - r >= 80 && b - g >= 80;
    if (kind == "white")
        return std::min({r, g, b}) >= 230;
    if (kind == "green")
        return g >= 80 && g - r >= 50 && g - b >= 50;
    if (kind == "grey")
        return std::max({r, g, b}) - std::min({r, g, b}) <= 24 && r >= 90 && r <= 180;
    if (kind == "red")
        return r >= 120 && r - g >= 60 && r - b >= 60;
    qFatal("no such kind of ink: %s", kind.c_str());
}

// A text as the design places it, drawn by the test itself in the design's
// font ("MS Sans Serif", or its metric twin Liberation Sans) at the design's
// size: where its ink lies.
QRect referenceInk(const QString& text, double points, bool bold, bool italic, const QRect& rect,
                   Qt::Alignment alignment) {
    QImage image(1200, 800, QImage::Format_RGB32);  // beyond the window: nothing cut
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect, int(alignment), text);
    painter.end();
    return inkBox(image, rect, Qt::white);
}

struct Words {
    const char* what;
    QString text;
    double points;
    bool bold, italic;
    QRect rect;  // where the design puts it, in pixels
    Qt::Alignment alignment;
    bool placed;           // its place is the design's, not the toolkit's within a control
    QString depth = "10";  // typed first: what makes the window say these words
};

// The design's words in pixels (twips / 15).
QList<Words> designWords() {
    const Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;
    return {
        {"Label1", "Vertical", 13.5, false, false, {40, 64, 105, 25}, leftTop, true},
        {"Label2", "Horizontal", 13.5, false, false, {40, 112, 105, 25}, leftTop, true},
        {"Label3",
         "Distancia aplicable",
         13.5,
         false,
         false,
         {561, 89, 183, 31},
         Qt::AlignCenter,
         true},
        {"Label4",
         QString::fromUtf8("por " DISTANCIA_CREDIT_NAME),
         9.75,
         true,
         true,
         {704, 608, 101, 25},
         leftTop,
         true},  // the part inside the window
        // A frame's caption: 120 twips in, with 30 of padding.
        {"Frame1",
         QString::fromUtf8("Diámetro"),
         13.5,
         false,
         false,
         {26, 16, 100, 25},
         leftTop,
         true},
        {"Frame2", "Profundidad", 13.5, false, false, {330, 88, 120, 25}, leftTop, true},
        {"Medida", "Medidas", 13.5, false, false, {330, 16, 100, 25}, leftTop, true},
        {"fraFicha",
         QString::fromUtf8("Parábola centrada"),
         13.5,
         false,
         false,
         {514, 16, 160, 25},
         leftTop,
         true},
        {"lblFicha1",
         QString::fromUtf8("Relación f/D: 0.50"),
         8.25,
         false,
         false,
         {512, 36, 269, 14},
         leftTop,
         true},
        // Within a control the toolkit places the words; their size is the design's.
        {"txtHorizontal", "80", 12, false, false, {170, 114, 109, 29}, Qt::AlignCenter, false},
        {"txtProfundidad", "10", 12, false, false, {346, 122, 109, 29}, Qt::AlignCenter, false},
        {"txtDistancia", "40", 13.5, true, false, {562, 122, 181, 29}, Qt::AlignCenter, false},
        {"Option1", "Pulgadas", 8.25, false, false, {342, 48, 51, 17}, Qt::AlignCenter, false},
        // The line under the result, with a message in it.
        {"lblAviso",
         "La profundidad no puede ser 0.",
         9.75,
         false,
         false,
         {508, 154, 289, 19},
         Qt::AlignCenter,
         true,
         "0"},
    };
}

}  // namespace

Q_DECLARE_METATYPE(Theme)
Q_DECLARE_METATYPE(AppearanceCheck)

class AppearanceTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    void looksAsDesigned_data() {
        QTest::addColumn<Theme>("theme");
        QTest::addColumn<AppearanceCheck>("check");
        for (const auto& [theme, name] :
             {std::pair{Theme::Default, "default"}, std::pair{Theme::DarkBefore, "dark"},
              std::pair{Theme::DarkWhileRunning, "dark later"}}) {
            for (const AppearanceCheck& check : appearanceChecks())
                QTest::addRow("%s: %s", name, check.what.c_str()) << theme << check;
        }
    }

    void looksAsDesigned() {
        QFETCH(Theme, theme);
        QFETCH(AppearanceCheck, check);
        const Started started(theme);
        const QImage drawn = grab(*started.window);
        const QString expect = QString::fromStdString(check.expect);
        const QString pixel = drawn.pixelColor(check.x, check.y).name().mid(1).toUpper();
        switch (check.kind) {
            case AppearanceCheck::Kind::Ink: {
                const QColor ink = inkIn(drawn, {check.x, check.y, check.width, check.height});
                QVERIFY2(inkIs(ink, check.expect), qPrintable(ink.name()));
                break;
            }
            case AppearanceCheck::Kind::Colour:
                QCOMPARE(pixel, expect);
                break;
            case AppearanceCheck::Kind::Unlike:
                QVERIFY2(!expect.split(',').contains(pixel), qPrintable(pixel));
                break;
        }
    }

    // Each text field, frame and the heading where the design puts it: the
    // colour changes at its edges.
    void controlsSitWhereDesigned_data() {
        QTest::addColumn<Theme>("theme");
        QTest::addColumn<QRect>("rect");  // the design's, in pixels
        QTest::addColumn<QColor>("outside");
        QTest::addColumn<QColor>("inside");
        QTest::addColumn<bool>("bottomShows");  // the result field covers the heading's
        const QColor grey(0xE0, 0xE0, 0xE0), white(Qt::white), blue(Qt::blue);
        for (const Theme theme : {Theme::Default, Theme::DarkBefore}) {
            auto row = [theme](const char* what) -> QTestData& {
                return QTest::addRow("%s%s", what, theme == Theme::Default ? "" : ", dark")
                       << theme;
            };
            row("txtVertical") << QRect(168, 64, 113, 33) << grey << white << true;
            row("txtHorizontal") << QRect(168, 112, 113, 33) << grey << white << true;
            row("txtProfundidad") << QRect(344, 120, 113, 33) << grey << white << true;
            row("Label3") << QRect(560, 88, 185, 33) << white << blue << false;
            row("Frame1") << QRect(16, 16, 289, 145) << white << grey << true;
            row("Frame2") << QRect(320, 88, 169, 73) << white << grey << true;
            row("Medida") << QRect(320, 16, 169, 65) << white << grey << true;
            row("fraFicha") << QRect(504, 16, 285, 65) << white << grey << true;
        }
    }

    void controlsSitWhereDesigned() {
        QFETCH(Theme, theme);
        QFETCH(QRect, rect);
        QFETCH(QColor, outside);
        QFETCH(QColor, inside);
        QFETCH(bool, bottomShows);
        const Started started(theme);
        const QImage drawn = grab(*started.window);
        // Clear of a frame's caption and of a field's text.
        const int midY = rect.top() + rect.height() * 3 / 4;
        const int midX = rect.left() + rect.width() * 3 / 4;
        QList<std::pair<QPoint, QColor>> expected{{{rect.left() - 1, midY}, outside},
                                                  {{rect.right() + 1, midY}, outside},
                                                  {{rect.right() - 4, midY}, inside},
                                                  {{midX, rect.bottom() - 4}, inside},
                                                  {{midX, rect.top() + 4}, inside}};
        if (bottomShows)
            expected.append({{midX, rect.bottom() + 1}, outside});
        for (const auto& [point, colour] : expected) {
            QVERIFY2(drawn.pixelColor(point) == colour,
                     qPrintable(QString("%1,%2 is %3")
                                    .arg(point.x())
                                    .arg(point.y())
                                    .arg(drawn.pixelColor(point).name())));
        }
        // A field's or frame's own edge is drawn on the design's rectangle.
        QVERIFY(drawn.pixelColor(rect.left(), midY) != inside);
    }

    // Words at the design's places and sizes: their ink covers what the
    // design's font at the design's size covers there.
    void wordsAsDesigned_data() {
        QTest::addColumn<Theme>("theme");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("placed");
        QTest::addColumn<QString>("depth");
        for (const Theme theme : {Theme::Default, Theme::DarkBefore}) {
            for (const Words& w : designWords()) {
                QTest::addRow("%s%s", w.what, theme == Theme::Default ? "" : ", dark")
                    << theme << QString(w.what) << w.text << w.points << w.bold << w.italic
                    << w.rect << int(w.alignment) << w.placed << w.depth;
            }
        }
    }

    void wordsAsDesigned() {
        QFETCH(Theme, theme);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QRect, rect);
        QFETCH(int, alignment);
        QFETCH(bool, placed);
        QFETCH(QString, depth);
        const Started started(theme);
        paste(child(*started.window, "txtProfundidad"), depth);
        const QImage drawn = grab(*started.window);
        const QRect expected =
            referenceInk(text, points, bold, italic, rect, Qt::Alignment(alignment));
        // Placed words are looked for where the design's would be, and just
        // around: the area also holds a frame's border or a picture.
        const QRect area = placed ? expected.adjusted(-1, -1, 1, 1) : rect;
        const QRect ink = inkBox(drawn, area, drawn.pixelColor(rect.topLeft()));
        const auto describe = [&] {
            return qPrintable(QString("drawn %1,%2 %3x%4, designed %5,%6 %7x%8")
                                  .arg(ink.x())
                                  .arg(ink.y())
                                  .arg(ink.width())
                                  .arg(ink.height())
                                  .arg(expected.x())
                                  .arg(expected.y())
                                  .arg(expected.width())
                                  .arg(expected.height()));
        };
        QVERIFY2(std::abs(ink.width() - expected.width()) <= 1 &&
                     std::abs(ink.height() - expected.height()) <= 1,
                 describe());
        if (placed)
            QVERIFY2((ink.topLeft() - expected.topLeft()).manhattanLength() <= 1, describe());
    }

    // The credit line and the address under it fit the part of their labels
    // that the window shows (both reach beyond its right edge): nothing of
    // them is cut.
    void creditAndAddressShowWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("left");
        QTest::newRow("credit") << QString::fromUtf8("por " DISTANCIA_CREDIT_NAME) << 9.75 << true
                                << 704;
        QTest::newRow("address") << QString::fromUtf8(DISTANCIA_CONTACT_ADDRESS) << 8.25 << false
                                 << 696;
    }

    void creditAndAddressShowWhole() {
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(int, left);
        QVERIFY(!text.isEmpty());
        const QRect whole = referenceInk(text, points, bold, bold, QRect(left, 600, 400, 40),
                                         Qt::AlignLeft | Qt::AlignTop);
        QVERIFY2(whole.right() < 805 - 1, qPrintable(QString::number(whole.right())));
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<AppearanceTest>(argc, argv);
}

#include "appearance_test.moc"
