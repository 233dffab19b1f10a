// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QRadioButton>

#include "window_test_support.hpp"

using lnb::FrmMain;

using namespace lnb::testing;

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
        QCOMPARE(child(*window, "txtDistancia")->text(), QString("40"));
        QVERIFY(child<QRadioButton>(*window, "Option1")->isChecked());
        QVERIFY(!child<QRadioButton>(*window, "Option2")->isChecked());
        QVERIFY(child(*window, "txtMedDiametro")->isHidden());
        QVERIFY(child(*window, "txtMedProfundidad")->isHidden());
        QVERIFY(!child(*window, "txtDistancia")->isEnabled());
        QCOMPARE(child(*window, "txtDistancia")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(window->statusLine(), QString("Relación f/D: 0.50"));
    }

    // What each status shows, in both locales: the result, its colour, the
    // line under it, and what a screen reader hears of the result.
    void typingShowsTheStatus_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("texts");  // pasted one after the other
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("current");
        QTest::addColumn<QString>("line");  // under the result
        for (const QLocale& locale : {kPointLocale, kCommaLocale}) {
            const QString d = locale.decimalPoint();
            const QString other = d == "." ? "," : ".";
            auto row = [&locale](const char* name) -> QTestData& {
                return QTest::addRow("%s, '%s'", name, qPrintable(locale.decimalPoint())) << locale;
            };
            row("90") << "txtHorizontal" << QStringList{"90"} << "45" + d + "15625" << true
                      << "Ángulo de offset: 27" + d + "3°";
            row("mid-edit: empty") << "txtHorizontal" << QStringList{""} << "40" << false << "";
            row("mid-edit: 1e") << "txtVertical" << QStringList{"1e"} << "40" << false << "";
            row("letters") << "txtProfundidad" << QStringList{"abc"} << "40" << false
                           << "Escriba un número en «Profundidad».";
            row("other separator")
                << "txtVertical" << QStringList{"1" + other + "5"} << "40" << false
                << "Escriba un número en «Vertical» (decimales con «" + d + "»).";
            row("out of range") << "txtHorizontal" << QStringList{"1e400"} << "40" << false
                                << "El número en «Horizontal» es demasiado grande o pequeño.";
            row("negative") << "txtProfundidad" << QStringList{"-10"} << "-40" << false
                            << "Las medidas deben ser positivas.";
            row("depth 0") << "txtProfundidad" << QStringList{"0"} << "40" << false
                           << "La profundidad no puede ser 0.";
            row("depth 0 then 0.5") << "txtProfundidad" << QStringList{"0", "0" + d + "5"} << "800"
                                    << true << "Relación f/D: 10" + d + "00";
            row("too large") << "txtVertical" << QStringList{"1e300"} << "40" << false
                             << "Las medidas son demasiado grandes.";
            row("drawing cannot follow")
                << "txtVertical" << QStringList{"1e30"} << "1" + d + "5625E+57" << true
                << "El dibujo no puede seguir medidas tan grandes.";
        }
    }

    void typingShowsTheStatus() {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QStringList, texts);
        QFETCH(QString, result);
        QFETCH(bool, current);
        QFETCH(QString, line);
        const auto window = startWindow(locale);
        for (const QString& text : texts) paste(child(*window, qPrintable(field)), text);
        const QLineEdit* shown = child(*window, "txtDistancia");
        QCOMPARE(shown->text(), result);
        QCOMPARE(window->resultIsCurrent(), current);
        QCOMPARE(isBlueish(shown->palette().color(QPalette::Disabled, QPalette::Text)), current);
        QCOMPARE(window->statusLine(), line);
        QCOMPARE(shown->accessibleDescription(), line);
        // Information never looks like a warning.
        const bool information = line.startsWith("Relación") || line.startsWith("Ángulo");
        const QColor colour =
            child<QLabel>(*window, "lblAviso")->palette().color(QPalette::WindowText);
        QCOMPARE(colour.red() > 120 && colour.green() < 60, !line.isEmpty() && !information);
    }

    // A depth typed key by key passes through "0"; the result recovers.
    void depthTypedKeyByKeyRecovers() {
        const auto window = startWindow();
        retype(child(*window, "txtHorizontal"), "90");
        auto* depth = child(*window, "txtProfundidad");
        retype(depth, "0");
        QCOMPARE(window->statusLine(), QString("La profundidad no puede ser 0."));
        QTest::keyClicks(depth, ".5");
        QCOMPARE(child(*window, "txtDistancia")->text(), QString("903.125"));
        QCOMPARE(window->statusLine(), QString("Ángulo de offset: 27.3°"));
        QVERIFY(window->resultIsCurrent());
    }

    void tabCyclesThroughTheInputs_data() {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Tab") << false
                             << QStringList{"txtHorizontal", "txtProfundidad", "txtVertical"};
        QTest::newRow("Shift+Tab")
            << true << QStringList{"txtProfundidad", "txtHorizontal", "txtVertical"};
    }

    void tabCyclesThroughTheInputs() {
        QFETCH(bool, backwards);
        QFETCH(QStringList, order);
        const auto window = startWindow();
        for (const QString& expected : order) {
            QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), expected);
            auto* field = child(*window, qPrintable(expected));
            QCOMPARE(field->selectedText(), field->text());
        }
    }

    // A field typed into keeps its caret at the end when entered again.
    void enteringATypedFieldSelectsFromTheCaret() {
        const auto window = startWindow();
        QTest::keyClicks(QApplication::focusWidget(), "5");  // "80" selected: becomes "5"
        for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
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
        QCOMPARE(child(*window, "txtDistancia")->text(), result);
        QCOMPARE(window->resultIsCurrent(), current);
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

    void longResultsFitTheResultField() {
        QFETCH(QString, diameter);
        QFETCH(QString, depth);
        const auto window = startWindow();
        retype(child(*window, "txtHorizontal"), diameter);
        retype(child(*window, "txtVertical"), diameter);
        retype(child(*window, "txtProfundidad"), depth);
        const QLineEdit* result = child(*window, "txtDistancia");
        QVERIFY2(result->text().size() >= 17, qPrintable(result->text()));
        const int advance = QFontMetrics(result->font()).horizontalAdvance(result->text());
        QVERIFY2(advance <= result->contentsRect().width() - 4,
                 qPrintable(QString("%1 px for %2").arg(advance).arg(result->text())));
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<FrmMainTest>(argc, argv);
}

#include "frm_main_test.moc"
