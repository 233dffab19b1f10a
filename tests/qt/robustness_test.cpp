// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/qt/window_test_support.hpp"

using namespace lnb::testing;

namespace {

// Whether the result is drawn in blue: it follows the figures.
bool resultIsBlue(lnb::FrmMain& window) {
    const QRect field = child(window, "txtDistancia")->geometry().adjusted(3, 3, -3, -3);
    return isBlueish(inkIn(grab(window), field));
}

QStringList alternatingHugeAndTiny() {
    QStringList texts;
    for (int i = 0; i < 40; ++i) texts << (i % 2 ? "1e-30" : "1e30") << (i % 3 ? "3e38" : "1e-45");
    return texts;
}

}  // namespace

class RobustnessTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    // Whatever is pasted, the window keeps working and paints: the last
    // result is the one its figures give.
    void anythingPastedLeavesAWorkingWindow_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("current");
        QTest::newRow("100 000 digits") << kPointLocale << "txtHorizontal"
                                        << QStringList{QString(100000, '7')} << "40" << false;
        QTest::newRow("100 000 digits, then 90")
            << kPointLocale << "txtHorizontal" << QStringList{QString(100000, '7'), "90"}
            << "45.15625" << true;
        QTest::newRow("control characters")
            << kPointLocale << "txtVertical" << QStringList{"\t80\r\n", QString("8\u00010")} << "40"
            << false;
        QTest::newRow("a backslash and quotes")
            << kCommaLocale << "txtVertical" << QStringList{"\\", "\"80\"", "8\\\"0"} << "40"
            << false;
        QTest::newRow("ñ") << kPointLocale << "txtProfundidad" << QStringList{"ñ"} << "40" << false;
        QTest::newRow("emoji") << kCommaLocale << "txtProfundidad"
                               << QStringList{QString::fromUtf8("1\xF0\x9F\x98\x80")} << "40"
                               << false;
        QTest::newRow("1e400") << kPointLocale << "txtVertical" << QStringList{"1e400"} << "40"
                               << false;
        QTest::newRow("-0") << kPointLocale << "txtHorizontal" << QStringList{"-0"} << "10"
                            << false;
        QTest::newRow("1,5 with a point")
            << kPointLocale << "txtProfundidad" << QStringList{"1,5"} << "40" << false;
        QTest::newRow("huge and tiny, then 10")
            << kPointLocale << "txtProfundidad" << (alternatingHugeAndTiny() << "10") << "40"
            << true;
        QTest::newRow("huge and tiny diameters, then 80")
            << kCommaLocale << "txtVertical" << (alternatingHugeAndTiny() << "80") << "40" << true;
    }

    void anythingPastedLeavesAWorkingWindow() {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QStringList, texts);
        QFETCH(QString, result);
        QFETCH(bool, current);
        const auto window = startWindow(locale);
        for (const QString& text : texts) {
            paste(child(*window, qPrintable(field)), text);
            window->repaint();  // whatever the figures, painting them ends
        }
        QCOMPARE(resultText(*window), result);
        QCOMPARE(resultIsBlue(*window), current);
        // Still answering the keyboard: typing a good horizontal figure
        // recomputes unless another field still holds no number.
        retype(child(*window, "txtHorizontal"), "60");
        const bool recomputed = current || field == "txtHorizontal";
        QCOMPARE(resultIsBlue(*window), recomputed);
        if (recomputed)
            QCOMPARE(resultText(*window), "30" + locale.decimalPoint() + "625");
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<RobustnessTest>(argc, argv);
}

#include "robustness_test.moc"
