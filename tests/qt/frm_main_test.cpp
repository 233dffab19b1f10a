// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QRadioButton>
#include <sstream>

#include "tests/data_tables.hpp"
#include "tests/qt/window_test_support.hpp"

using lnb::FrmMain;

using namespace lnb::testing;

Q_DECLARE_METATYPE(lnb::testing::StatusRow)

class FrmMainTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    void startsWithTheExampleFigures() {
        const auto window = startWindow();
        QCOMPARE(window->windowTitle(),
                 QString("Calcula la distancia necesaria entre el LNB y el centro del plato de "
                         "una parabólica."));
        QCOMPARE(window->size(), QSize(805, 643));
        QCOMPARE(QApplication::focusWidget(), child(*window, "txtVertical"));
        QCOMPARE(child(*window, "txtVertical")->selectedText(), QString("80"));
        QCOMPARE(resultText(*window), QString("40"));
        QVERIFY(child<QRadioButton>(*window, "Option1")->isChecked());
        QVERIFY(!child<QRadioButton>(*window, "Option2")->isChecked());
        QCOMPARE(lineUnderResult(*window), QString());
        QCOMPARE(sheetHeard(*window), (QStringList{"Parábola centrada", "Relación f/D: 0.50",
                                                   "Del borde al LNB: 50.0"}));
    }

    // How the window shows each look of a status: the result, its colour,
    // the line under it and its colour, and what a screen reader hears of
    // the result. One row of each look (the core's suite checks them all).
    void typingShowsTheStatus_data() {
        QTest::addColumn<StatusRow>("row");
        for (const StatusRow& row : oneRowOfEachLook(statusRows())) {
            std::ostringstream name;
            PrintTo(row, &name);
            QTest::newRow(name.str().c_str()) << row;
        }
    }

    void typingShowsTheStatus() {
        QFETCH(StatusRow, row);
        const auto window = startWindow(row.separator == "," ? kCommaLocale : kPointLocale);
        for (const auto& [input, text] : row.typed)
            paste(field(*window, input), QString::fromStdString(text));
        const QString line = QString::fromStdString(row.line);
        QCOMPARE(resultText(*window), QString::fromStdString(row.result));
        QCOMPARE(lineUnderResult(*window), line);
        QCOMPARE(spoken(child(*window, "txtDistancia"), QAccessible::Description), line);

        const QImage drawn = grab(*window);
        const QRect result = child(*window, "txtDistancia")->geometry().adjusted(3, 3, -3, -3);
        QCOMPARE(isBlueish(inkIn(drawn, result)), row.blue);
        const QColor ink = inkIn(drawn, child<QLabel>(*window, "lblAviso")->geometry());
        const bool red = ink.red() - ink.green() > 60 && ink.red() - ink.blue() > 60;
        QCOMPARE(red, row.tone == Tone::Message);
        QStringList sheet;
        for (const std::string& line : row.sheet) sheet << QString::fromStdString(line);
        QCOMPARE(sheetHeard(*window), sheet);
        // The frame's light grey where it shows, the window's white where not.
        const QColor frame = drawn.pixelColor(780, 72);
        QCOMPARE(frame, row.sheet.empty() ? QColor(Qt::white) : QColor(0xE0, 0xE0, 0xE0));
    }

    // A depth typed key by key passes through "0"; the result recovers.
    void depthTypedKeyByKeyRecovers() {
        const auto window = startWindow();
        retype(child(*window, "txtHorizontal"), "90");
        auto* depth = child(*window, "txtProfundidad");
        retype(depth, "0");
        QCOMPARE(lineUnderResult(*window), QString("La profundidad no puede ser 0."));
        QTest::keyClicks(depth, ".5");
        QCOMPARE(resultText(*window), QString("903.125"));
        QCOMPARE(lineUnderResult(*window), QString());  // wider than tall: no offset angle
    }

    void tabCyclesThroughTheInputs_data() {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Tab") << false
                             << QStringList{"txtHorizontal", "txtProfundidad", "cmdApuntar",
                                            "txtVertical"};
        QTest::newRow("Shift+Tab")
            << true << QStringList{"cmdApuntar", "txtProfundidad", "txtHorizontal", "txtVertical"};
    }

    void tabCyclesThroughTheInputs() {
        QFETCH(bool, backwards);
        QFETCH(QStringList, order);
        const auto window = startWindow();
        for (const QString& expected : order) {
            QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
            if (auto* field = window->findChild<QLineEdit*>(expected))
                QCOMPARE(field->selectedText(), field->text());
        }
    }

    // A field typed into keeps its caret at the end when entered again.
    void enteringATypedFieldSelectsFromTheCaret() {
        const auto window = startWindow();
        QTest::keyClicks(QApplication::focusWidget(), "5");  // "80" selected: becomes "5"
        for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto* vertical = child(*window, "txtVertical");
        QCOMPARE(QApplication::focusWidget(), vertical);
        QVERIFY(vertical->selectedText().isEmpty());
        QCOMPARE(vertical->cursorPosition(), 1);
    }

    // Coming back from another window is not entering the field again.
    void returningToTheWindowKeepsTheCaret() {
        const auto window = startWindow();
        auto* vertical = child(*window, "txtVertical");
        vertical->setCursorPosition(1);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), vertical);
        QVERIFY(vertical->selectedText().isEmpty());
        QCOMPARE(vertical->cursorPosition(), 1);
    }

    // A larger window shows more white; nothing moves or stretches.
    void resizingMovesNothing() {
        const auto window = startWindow();
        const QRect result = child(*window, "txtDistancia")->geometry();
        window->resize(1200, 900);
        QCOMPARE(child(*window, "txtDistancia")->geometry(), result);
        QCOMPARE(child(*window, "txtProfundidad")->mapTo(window.get(), QPoint()), QPoint(344, 120));
    }

    // A click that enters a field keeps the caret where the click put it.
    void clickingIntoAFieldPlacesTheCaret() {
        const auto window = startWindow();
        auto* depth = child(*window, "txtProfundidad");
        QTest::mouseClick(depth, Qt::LeftButton, {},
                          QPoint(depth->width() - 4, depth->height() / 2));
        QCOMPARE(QApplication::focusWidget(), depth);
        QVERIFY(depth->selectedText().isEmpty());
        QCOMPARE(depth->cursorPosition(), 2);
    }

    // A right click into a field that has not the focus enters it, as any
    // click does: the caret stays where it was, nothing is selected.
    void rightClickingIntoAFieldKeepsItsCaret() {
        const auto window = startWindow();
        auto* depth = child(*window, "txtProfundidad");
        depth->setCursorPosition(1);
        QTest::mouseClick(depth, Qt::RightButton, {},
                          QPoint(depth->width() - 4, depth->height() / 2));
        QCOMPARE(QApplication::focusWidget(), depth);
        QVERIFY(depth->selectedText().isEmpty());
        QCOMPARE(depth->cursorPosition(), 1);
    }

    void clicksThatChangeNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("Centimetros") << "Option2";
        QTest::newRow("result field") << "txtDistancia";
    }

    void clicksThatChangeNothing() {
        QFETCH(QString, target);
        const auto window = startWindow();
        QTest::mouseClick(window->findChild<QWidget*>(target), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(*window, "Option1")->isChecked());
        QVERIFY(!child<QRadioButton>(*window, "Option2")->isChecked());
        QCOMPARE(QApplication::focusWidget(), child(*window, "txtVertical"));
    }

    void commaLocaleEndToEnd_data() {
        QTest::addColumn<QString>("horizontal");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("current");
        QTest::newRow("12,5") << "12,5"
                              << "13,369140625" << true;
        QTest::newRow("12.5 is not a number here") << "12.5"
                                                   << "40" << false;
    }

    void commaLocaleEndToEnd() {
        QFETCH(QString, horizontal);
        QFETCH(QString, result);
        QFETCH(bool, current);
        const auto window = startWindow(kCommaLocale);
        paste(child(*window, "txtHorizontal"), horizontal);
        QCOMPARE(resultText(*window), result);
        const QRect shown = child(*window, "txtDistancia")->geometry().adjusted(3, 3, -3, -3);
        QCOMPARE(isBlueish(inkIn(grab(*window), shown)), current);
    }

    void longResultsFitTheResultField_data() {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("depth");
        QTest::newRow("negative, two-digit exponent") << "1.23456789012345e10"
                                                      << "-3e-9";
        QTest::newRow("three-digit exponent, then too large") << "-1.23456789012345e150"
                                                              << "-1.11111111111111e-5";
        QTest::newRow("many decimals") << "0.123456789012345"
                                       << "7";
    }

    // A long result is drawn whole inside its field: its ink keeps clear of
    // the field's borders on both sides.
    void longResultsFitTheResultField() {
        QFETCH(QString, diameter);
        QFETCH(QString, depth);
        const auto window = startWindow();
        retype(child(*window, "txtHorizontal"), diameter);
        retype(child(*window, "txtVertical"), diameter);
        retype(child(*window, "txtProfundidad"), depth);
        QVERIFY2(resultText(*window).size() >= 17, qPrintable(resultText(*window)));
        const QRect field = child(*window, "txtDistancia")->geometry();
        const QRect inside = field.adjusted(2, 2, -2, -2);
        const QRect ink = inkBox(grab(*window), inside, Qt::white);
        QVERIFY2(ink.left() > inside.left() && ink.right() < inside.right(),
                 qPrintable(QString("ink %1..%2 in %3..%4")
                                .arg(ink.left())
                                .arg(ink.right())
                                .arg(inside.left())
                                .arg(inside.right())));
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<FrmMainTest>(argc, argv);
}

#include "frm_main_test.moc"
