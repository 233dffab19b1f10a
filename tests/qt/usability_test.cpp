// SPDX-License-Identifier: GPL-3.0-or-later
// Input as people type and paste it, copying the answer, screen readers, and
// what a keystroke repaints.
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QRadioButton>

#include "window_test_support.hpp"

using namespace lnb::testing;

namespace {

enum class Typing { Keypad, PasteWithLineBreak, RedoWithCtrlY };

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

// The union of what the window repaints of itself.
class PaintRecorder : public QObject {
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

Q_DECLARE_METATYPE(Typing)

class UsabilityTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { QLocale::setDefault(kPointLocale); }

    void typesAsPeopleDo_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Typing>("typing");
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("line");
        QTest::newRow("keypad 8 0 decimal 5, ','") << kCommaLocale << Typing::Keypad << "80,5"
                                                   << "40,250390625"
                                                   << "Relación f/D: 0,50";
        QTest::newRow("keypad 8 0 decimal 5, '.'") << kPointLocale << Typing::Keypad << "80.5"
                                                   << "40.250390625"
                                                   << "Relación f/D: 0.50";
        QTest::newRow("paste \"80,5\\n\"") << kCommaLocale << Typing::PasteWithLineBreak << "80,5"
                                           << "40,250390625"
                                           << "Relación f/D: 0,50";
        QTest::newRow("9, undo, Ctrl+Y") << kPointLocale << Typing::RedoWithCtrlY << "9"
                                         << "12.3765625"
                                         << "";  // 9 wide, 80 tall: no real offset dish
    }

    void typesAsPeopleDo() {
        QFETCH(QLocale, locale);
        QFETCH(Typing, typing);
        QFETCH(QString, vertical);
        QFETCH(QString, result);
        QFETCH(QString, line);
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
        QCOMPARE(lineUnderResult(*window), line);
    }

    void rightClickCopiesTheResult() {
        const auto window = startWindow(kCommaLocale);
        paste(child(*window, "txtHorizontal"), "80,5");
        QLineEdit* result = child(*window, "txtDistancia");
        // Through the window system, as a real click arrives.
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, result->geometry().center());
        auto* menu = window->findChild<QMenu*>("resultMenu");
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().front()->text(), QString("Copiar"));
        menu->actions().front()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("40,250390625"));
        QVERIFY(!result->isEnabled());
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

    // Only what moved is repainted, and all of it: the front dish narrows
    // from 320 to 36 px, so its old right part must be painted white again,
    // while the side-view dish stays as it was.
    void aKeystrokeRepaintsWhatMoved() {
        const auto window = startWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(20);
        PaintRecorder recorder;
        window->installEventFilter(&recorder);
        paste(child(*window, "txtHorizontal"), "9");
        QTRY_VERIFY(recorder.painted.contains(QPoint(600, 250)));
        QVERIFY(recorder.painted.contains(QPoint(380, 480)));
        QVERIFY(!recorder.painted.contains(QPoint(30, 250)));
    }
};

int main(int argc, char* argv[]) {
    return runHeadless<UsabilityTest>(argc, argv);
}

#include "usability_test.moc"
