// SPDX-License-Identifier: GPL-3.0-or-later
// Input as people type and paste it, copying the answer, screen readers, and
// what a keystroke repaints.
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QRadioButton>

#include "tests/qt/window_test_support.hpp"

using namespace lnb::testing;

namespace {

enum class Typing { Keypad, PasteWithLineBreak, RedoWithCtrlY };
enum class Paste { CtrlV, Menu, Drop };

// The field's own menu, opened by Shift+F10 or as the desktop reports the
// menu key (a keyboard context-menu event).
QMenu* openMenu(QLineEdit* field, bool shiftF10 = false) {
    if (shiftF10) {
        QTest::keyClick(field->window()->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint at(4, field->height() / 2);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at, field->mapToGlobal(at));
        QApplication::sendEvent(field, &menuKey);
    }
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The middle of the stretch of the field where a press puts the caret at
// `position`.
QPoint pointAt(QLineEdit* field, int position) {
    QList<int> xs;
    for (int x = 0; x < field->width(); ++x) {
        if (field->cursorPositionAt(QPoint(x, field->height() / 2)) == position)
            xs << x;
    }
    return {xs.isEmpty() ? 0 : xs.at(xs.size() / 2), field->height() / 2};
}

QStringList entries(const QMenu* menu) {
    QStringList words;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator())
            words << action->text().section('\t', 0, 0).remove('&');
    }
    return words;
}

QAction* entry(const QMenu* menu, const QString& words) {
    for (QAction* action : menu->actions()) {
        if (action->text().section('\t', 0, 0).remove('&') == words)
            return action;
    }
    return nullptr;
}

// Everything a screen reader can reach from the window.
void collect(QAccessibleInterface* node, QList<QAccessibleInterface*>& all) {
    all.append(node);
    for (int i = 0; i < node->childCount(); ++i) collect(node->child(i), all);
}

QAccessibleInterface* named(const QList<QAccessibleInterface*>& all, const QString& name,
                            QAccessible::Role role) {
    for (QAccessibleInterface* node : all) {
        if (node->text(QAccessible::Name) == name && node->role() == role)
            return node;
    }
    return nullptr;
}

// The union of what the window and its controls repaint, in the window's
// coordinates.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget& window) : window_(window) {
        window.installEventFilter(this);
        for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
    }
    QRegion painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(watched);
            painted += static_cast<QPaintEvent*>(event)->region().translated(
                widget->mapTo(&window_, QPoint()));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
};

}  // namespace

Q_DECLARE_METATYPE(Typing)
Q_DECLARE_METATYPE(Paste)

class UsabilityTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    void typesAsPeopleDo_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Typing>("typing");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("sheet");
        const QString rim = QString::fromUtf8("Del borde al LNB: 50");
        QTest::newRow("keypad 8 0 decimal 5, ','")
            << kCommaLocale << Typing::Keypad << "80,5"
            << "40,250390625" << QStringList{"Parábola centrada", "Relación f/D: 0,50", rim + ",3"};
        QTest::newRow("keypad 8 0 decimal 5, '.'")
            << kPointLocale << Typing::Keypad << "80.5"
            << "40.250390625" << QStringList{"Parábola centrada", "Relación f/D: 0.50", rim + ".3"};
        QTest::newRow("paste \"80,5\\n\"")
            << kCommaLocale << Typing::PasteWithLineBreak << "80,5"
            << "40,250390625" << QStringList{"Parábola centrada", "Relación f/D: 0,50", rim + ",3"};
        QTest::newRow("9, undo, Ctrl+Y")
            << kPointLocale << Typing::RedoWithCtrlY << "9"
            << "12.3765625" << QStringList{};  // 80 tall, 9 wide: no real dish
    }

    void typesAsPeopleDo() {
        QFETCH(QLocale, locale);
        QFETCH(Typing, typing);
        QFETCH(QString, vertical);
        QFETCH(QString, result);
        QFETCH(QStringList, sheet);
        const auto window = startWindow(locale);
        auto* field = child(*window, "txtVertical");  // focused, its "80" selected
        switch (typing) {
            case Typing::Keypad:
                for (const Qt::Key key : {Qt::Key_8, Qt::Key_0, Qt::Key_Period, Qt::Key_5})
                    QTest::keyClick(field, key, Qt::KeypadModifier);
                break;
            case Typing::PasteWithLineBreak:
                QGuiApplication::clipboard()->setText(vertical + "\n");
                QTest::keySequence(field, QKeySequence::Paste);
                break;
            case Typing::RedoWithCtrlY:
                QTest::keyClick(field, Qt::Key_9);
                QTest::keySequence(field, QKeySequence::Undo);
                QCOMPARE(field->text(), QString("80"));
                QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
                break;
        }
        QCOMPARE(field->text(), vertical);
        QCOMPARE(resultText(*window), result);
        QCOMPARE(sheetHeard(*window), sheet);
    }

    // Line breaks and tabs around what is pasted or dropped are dropped,
    // wherever it lands; the caret ends after it, and Ctrl+Z takes it back
    // in one step.
    void pastesLandAnywhere_data() {
        QTest::addColumn<Paste>("how");
        QTest::addColumn<int>("from");  // the selection it replaces, in "80"
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        for (const auto& [how, name] :
             {std::pair{Paste::CtrlV, "Ctrl+V"}, std::pair{Paste::Menu, "menu"},
              std::pair{Paste::Drop, "drop"}}) {
            QTest::addRow("%s: before", name) << how << 0 << 0 << "\t5\r\n"
                                              << "580"
                                              << "680.625";
            QTest::addRow("%s: between", name) << how << 1 << 1 << "1\n"
                                               << "810"
                                               << "1237.65625";
            QTest::addRow("%s: at the end", name) << how << 2 << 2 << "\r\n5"
                                                  << "805"
                                                  << "1223.7890625";
            if (how != Paste::Drop) {  // a drop lands where it is dropped
                QTest::addRow("%s: over a selection", name) << how << 0 << 1 << "\t9\t"
                                                            << "90"
                                                            << "45.15625";
            }
        }
    }

    void pastesLandAnywhere() {
        QFETCH(Paste, how);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QFETCH(QString, result);
        const auto window = startWindow();
        QLineEdit* field = child(*window, "txtVertical");
        field->setSelection(from, to - from);
        if (to == from)
            field->setCursorPosition(from);
        QGuiApplication::clipboard()->setText(pasted);
        switch (how) {
            case Paste::CtrlV:
                QTest::keySequence(field, QKeySequence::Paste);
                break;
            case Paste::Menu: {
                QMenu* menu = openMenu(field);
                QVERIFY(menu);
                QAction* paste = entry(menu, "Pegar");
                QVERIFY2(paste, qPrintable(entries(menu).join(", ")));
                paste->trigger();
                menu->close();
                break;
            }
            case Paste::Drop: {
                QMimeData data;
                data.setText(pasted);
                const QPoint at = pointAt(field, from);
                QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &enter);
                QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &move);
                QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(field, &drop);
                break;
            }
        }
        QCOMPARE(field->text(), text);
        QCOMPARE(resultText(*window), result);
        const QString inserted = pasted.trimmed();
        QCOMPARE(field->cursorPosition(), from + inserted.size());
        QTest::keySequence(field, QKeySequence::Undo);
        QCOMPARE(field->text(), QString("80"));
    }

    // A click into a field of an inactive window (the user was in another
    // program) activates the window; the field gets the focus only then, on
    // X11 as the window manager gets to it. That is entering the field by the
    // click, which keeps its caret where it pressed, whether the activation
    // comes before the button's release or after it.
    void aClickThatActivatesTheWindowKeepsItsCaret_data() {
        QTest::addColumn<bool>("activatedBeforeRelease");
        QTest::newRow("activated before the release") << true;
        QTest::newRow("activated after the release") << false;
    }

    void aClickThatActivatesTheWindowKeepsItsCaret() {
        QFETCH(bool, activatedBeforeRelease);
        const auto window = startWindow();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QLineEdit* horizontal = child(*window, "txtHorizontal");
        const QPoint beforeEighty = pointAt(horizontal, 0);
        const auto activate = [&window] {
            window->activateWindow();
            return QTest::qWaitForWindowActive(window.get());
        };
        QTest::mousePress(horizontal, Qt::LeftButton, {}, beforeEighty);
        QVERIFY(!activatedBeforeRelease || activate());
        QTest::mouseRelease(horizontal, Qt::LeftButton, {}, beforeEighty);
        QVERIFY(activatedBeforeRelease || activate());
        QCOMPARE(QApplication::focusWidget(), horizontal);
        QTest::keyClick(horizontal, Qt::Key_5);
        QCOMPARE(horizontal->text(), QString("580"));
        QCOMPARE(resultText(*window), QString("680.625"));
    }

    // Spanish whatever the locale: Qt's own entries are translated, and one
    // more copies the result as shown, from the keyboard.
    void theFieldsMenuCopiesTheResult_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("shiftF10");
        QTest::newRow("menu key, ','") << kCommaLocale << false;
        QTest::newRow("Shift+F10, '.'") << kPointLocale << true;
    }

    void theFieldsMenuCopiesTheResult() {
        QFETCH(QLocale, locale);
        QFETCH(bool, shiftF10);
        const auto window = startWindow(locale);
        paste(child(*window, "txtHorizontal"), "80" + locale.decimalPoint() + "5");
        QLineEdit* field = child(*window, "txtVertical");
        QMenu* menu = openMenu(field, shiftF10);
        QVERIFY(menu);
        const QStringList words = entries(menu);
        for (const char* expected : {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar",
                                     "Seleccionar todo", "Copiar la distancia", "Copiar la ficha"})
            QVERIFY2(words.contains(QString::fromUtf8(expected)), qPrintable(words.join(", ")));
        entry(menu, "Copiar la distancia")->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), "40" + locale.decimalPoint() + "250390625");
        QCOMPARE(QApplication::focusWidget(), field);
    }

    // The result's own menu, from a right click on it as a real click
    // arrives; its entries copy the result as shown and the sheet, which is
    // offered only while the result is current. The focus stays where it was.
    void rightClickOnTheResultCopies_data() {
        QTest::addColumn<QString>("depth");
        QTest::addColumn<QString>("words");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("copied");
        const QString figures = QString::fromUtf8(
            "Vertical: 65\nHorizontal: 60\nProfundidad: 5,77\n"
            "Distancia aplicable: 42,3120667244367\n");
        QTest::newRow("Copiar") << "5,77"
                                << "Copiar" << true << "42,3120667244367";
        QTest::newRow("Copiar la ficha")
            << "5,77"
            << "Copiar la ficha" << true
            << figures + QString::fromUtf8(
                             "Parábola offset\n"
                             "Ángulo de offset: 22,6° · f/D equivalente: 0,69\n"
                             "Del borde inferior al LNB: 36,0\n"
                             "Del borde superior al LNB: 61,0\n");
        QTest::newRow("no sheet of a depth of 0") << "0"
                                                  << "Copiar la ficha" << false << "";
    }

    void rightClickOnTheResultCopies() {
        QFETCH(QString, depth);
        QFETCH(QString, words);
        QFETCH(bool, enabled);
        QFETCH(QString, copied);
        const auto window = startWindow(kCommaLocale);
        paste(child(*window, "txtVertical"), "65");
        paste(child(*window, "txtHorizontal"), "60");
        paste(child(*window, "txtProfundidad"), depth);
        child(*window, "txtVertical")->setFocus();
        QGuiApplication::clipboard()->setText(QString());
        QLineEdit* result = child(*window, "txtDistancia");
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, result->geometry().center());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(entries(menu), (QStringList{"Copiar", "Copiar la ficha"}));
        QAction* chosen = entry(menu, words);
        QCOMPARE(chosen->isEnabled(), enabled);
        chosen->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(QApplication::focusWidget(), child(*window, "txtVertical"));
    }

    void screenReadersHearTheCaptions() {
        const auto window = startWindow();
        paste(child(*window, "txtProfundidad"), "0");
        QList<QAccessibleInterface*> all;
        collect(QAccessible::queryAccessibleInterface(window.get()), all);
        for (const char* name : {"Vertical", "Horizontal", "Profundidad"}) {
            QAccessibleInterface* input = named(all, name, QAccessible::EditableText);
            QVERIFY2(input, name);
            QCOMPARE(input->text(QAccessible::Description), QString("Medidas: Pulgadas"));
            QVERIFY2(!input->relations(QAccessible::Label).isEmpty(), name);
        }
        QAccessibleInterface* result = named(all, "Distancia aplicable", QAccessible::EditableText);
        QVERIFY(result);
        QCOMPARE(result->text(QAccessible::Description), QString("La profundidad no puede ser 0."));
        for (const char* frame : {"Diámetro", "Profundidad", "Medidas"})
            QVERIFY2(named(all, QString::fromUtf8(frame), QAccessible::Grouping), frame);
        for (QAccessibleInterface* node : all) {
            const QString name = node->object() ? node->object()->objectName() : QString();
            QVERIFY2(!name.startsWith("txtMed"), qPrintable(name));
        }
    }

    // Everything a keystroke changes on screen is repainted: every pixel that
    // differs between the window drawn before and after lies in what was
    // repainted, across the whole window. And no more than what moved: the
    // side-view dish is not repainted when only the front view changes.
    void aKeystrokeRepaintsWhatMoved_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("sideDishStays");
        QTest::newRow("horizontal 9: the front dish narrows") << "txtHorizontal"
                                                              << "9" << true;
        QTest::newRow("vertical 200: both dishes grow past the window") << "txtVertical"
                                                                        << "200" << false;
        QTest::newRow("depth 0.5: the LNB far to the right") << "txtProfundidad"
                                                             << "0.5" << false;
        QTest::newRow("vertical -40: both views upside down") << "txtVertical"
                                                              << "-40" << false;
    }

    void aKeystrokeRepaintsWhatMoved() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, sideDishStays);
        const auto window = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(20);
        const QImage before = grab(*window);
        auto recorder = std::make_unique<PaintRecorder>(*window);
        paste(child(*window, qPrintable(field)), text);
        QTRY_VERIFY(!recorder->painted.isEmpty());
        QTest::qWait(20);
        const QRegion painted = recorder->painted;
        recorder.reset();  // grabbing paints the whole window again
        const QImage after = grab(*window);
        int missed = 0;
        QPoint first;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (before.pixel(x, y) != after.pixel(x, y) && !painted.contains(QPoint(x, y)) &&
                    missed++ == 0)
                    first = QPoint(x, y);
            }
        }
        QVERIFY2(missed == 0, qPrintable(QString("%1 changed pixels not repainted, first at %2,%3")
                                             .arg(missed)
                                             .arg(first.x())
                                             .arg(first.y())));
        QCOMPARE(!painted.contains(QPoint(30, 250)), sideDishStays);
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<UsabilityTest>(argc, argv);
}

#include "usability_test.moc"
