// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>
#include <QImageReader>
#include <QPainter>

#include "tests/data_tables.hpp"
#include "tests/qt/window_test_support.hpp"

using namespace lnb::testing;

namespace {

const QColor kFill(192, 192, 192);

bool looksLike(const QImage& image, QPointF point, Looks looks, qreal ratio) {
    const QPoint device = (point * ratio).toPoint();
    const QColor colour = image.pixelColor(device);
    switch (looks) {
        case Looks::White:
            return colour == QColor(Qt::white);
        case Looks::Grey:
            return colour == kFill;
        case Looks::Outline:
            return outlineNear(image, device, qRound(2 * ratio));
        case Looks::Drawn:
            return colour != QColor(Qt::white);
    }
    return false;
}

// The window as the screen shows it, at a device pixel ratio.
QImage render(QWidget& window, qreal ratio) {
    QImage image((QSizeF(window.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window.render(&image);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(lnb::testing::Looks)

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    // After Load, at the points every suite looks at, on an ordinary screen
    // and on one of twice the pixels.
    void loadDrawsBothViews_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<Looks>("looks");
        for (const qreal ratio : {1.0, 2.0}) {
            for (const PicturePoint& point : picturePoints()) {
                QTest::addRow("%s at ratio %g", point.what.c_str(), ratio)
                    << ratio << QPointF(point.x, point.y) << point.looks;
            }
        }
    }

    void loadDrawsBothViews() {
        QFETCH(qreal, ratio);
        QFETCH(QPointF, point);
        QFETCH(Looks, looks);
        const auto window = startWindow();
        const QImage image = render(*window, ratio);
        QVERIFY2(looksLike(image, point, looks, ratio),
                 qPrintable(image.pixelColor((point * ratio).toPoint()).name()));
    }

    void figuresReshapeTheDishes_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<Looks>("looks");
        // A horizontal 9: the front dish is 540 twips (36 px) wide, still 320 px tall.
        QTest::newRow("9: narrow dish's inside") << "txtHorizontal"
                                                 << "9" << QPointF(394, 200) << Looks::Grey;
        QTest::newRow("9: its right edge") << "txtHorizontal"
                                           << "9" << QPointF(410.5, 328) << Looks::Outline;
        QTest::newRow("9: beyond it") << "txtHorizontal"
                                      << "9" << QPointF(420, 250) << Looks::White;
        QTest::newRow("9: its bottom") << "txtHorizontal"
                                       << "9" << QPointF(394, 487) << Looks::Drawn;
        QTest::newRow("vertical 0: no front dish") << "txtVertical"
                                                   << "0" << QPointF(456, 250) << Looks::White;
        QTest::newRow("vertical 0: no side dish") << "txtVertical"
                                                  << "0" << QPointF(30, 250) << Looks::White;
    }

    void figuresReshapeTheDishes() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QPointF, point);
        QFETCH(Looks, looks);
        const auto window = startWindow();
        paste(child(*window, qPrintable(field)), text);
        const QImage image = render(*window, 1);
        QVERIFY2(looksLike(image, point, looks, 1),
                 qPrintable(image.pixelColor(point.toPoint()).name()));
    }

    // Enormous and tiny figures paint and leave nothing behind:
    // going back to the example figures gives the very same picture.
    void extremeFiguresPaintCleanly_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("huge horizontal") << "txtHorizontal"
                                         << "1e15";
        QTest::newRow("huge vertical") << "txtVertical"
                                       << "1e15";
        QTest::newRow("huge depth") << "txtProfundidad"
                                    << "1e30";
        QTest::newRow("tiny depth, far LNB") << "txtProfundidad"
                                             << "1e-30";
        QTest::newRow("tiny diameter") << "txtVertical"
                                       << "1e-30";
        QTest::newRow("negative diameter") << "txtHorizontal"
                                           << "-80";
    }

    void extremeFiguresPaintCleanly() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        const auto window = startWindow();
        const QImage before = render(*window, 1);
        auto* input = child(*window, qPrintable(field));
        const QString original = input->text();
        paste(input, text);
        render(*window, 2);
        paste(input, original);
        const QRect drawings(0, 165, 805, 478);  // below the fields, whose selection moved
        QCOMPARE(render(*window, 1).copy(drawings), before.copy(drawings));
    }

    // The credit line lies over any picture that reaches under it.
    void labelsLieOverThePictures() {
        const auto window = startWindow();
        paste(child(*window, "txtHorizontal"), "130");
        paste(child(*window, "txtVertical"), "200");
        const QRect credit = child<QWidget>(*window, "Label4")->geometry();
        const QImage image = render(*window, 1);
        QCOMPARE(image.pixelColor(credit.topLeft()), kFill);  // the dish is under it
        const QColor ink = inkIn(image, credit.intersected(window->rect()));
        QVERIFY2(ink.green() - ink.red() > 40 && ink.green() - ink.blue() > 40,
                 qPrintable(ink.name()));
    }

    void theWindowCarriesTheProgramIcon() {
        const auto window = startWindow();
        const QImage icon = window->windowIcon().pixmap(32).toImage();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixelColor(4, 6), QColor(Qt::cyan));
        QCOMPARE(icon.pixelColor(2, 6), QColor(Qt::black));
        QCOMPARE(icon.pixelColor(10, 18), QColor(Qt::white));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(QApplication::applicationVersion(), QString("1.00"));
    }

    // The Windows icon: 32 × 32 in two colours, 32 × 32 and 16 × 16 in sixteen.
    void windowsIconHoldsThreeImages() {
        QImageReader reader(":/icons/icon.ico");
        QCOMPARE(reader.imageCount(), 3);
        const QList<QSize> sizes{{32, 32}, {32, 32}, {16, 16}};
        for (const QSize& size : sizes) {
            const QImage image = reader.read();
            QCOMPARE(image.size(), size);
            const int s = size.width() / 16;  // pixels per cell of the 16 px drawing
            QCOMPARE(image.pixelColor(5 * s, 10 * s), QColor(Qt::white));
            QCOMPARE(image.pixelColor(s, 10 * s).rgb(), QColor(Qt::black).rgb());
            reader.jumpToNextImage();
        }
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<PicturesTest>(argc, argv);
}

#include "pictures_test.moc"
