// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_field.hpp"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

#include "numeric_text.hpp"
#include "window_design.hpp"

namespace lnb {
namespace {

// Focus that goes to another application or to a popup (the field's context
// menu) comes back to the same field: that is not entering it.
bool isTemporary(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// Whatever separator the keyboard layout puts on the keypad's decimal key.
bool isKeypadDecimal(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::KeypadModifier))
        return false;
    return event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma ||
           event.text() == QStringLiteral("\u066B");
}

// Typing cannot put a line break or a tab into a field: any at its ends came
// with a paste or a drop, from every path Qt offers for them (keys, context
// menu, middle button, drag and drop), and are dropped before the field's
// text changes.
class PastedTextTrimmer : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        const QByteArray utf8 = input.toUtf8();
        const std::string_view whole(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        const std::string_view kept = numeric_text::trimPasted(whole);
        if (kept.size() != whole.size()) {
            const auto dropped =
                static_cast<int>(kept.data() - whole.data());  // ASCII: 1 byte each
            input = QString::fromUtf8(kept.data(), static_cast<qsizetype>(kept.size()));
            position = std::clamp(position - dropped, 0, static_cast<int>(input.size()));
        }
        return Acceptable;
    }
};

}  // namespace

InputField::InputField(const QString& decimalSeparator, QWidget* parent)
    : QLineEdit(parent), decimalSeparator_(decimalSeparator) {
    setMaxLength(design::kLongestInput);
    setValidator(new PastedTextTrimmer(this));
}

void InputField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const bool returning = leftTemporarily_ && isTemporary(event->reason());
    leftTemporarily_ = false;
    if (!returning)
        emit entered(event->reason());
}

void InputField::focusOutEvent(QFocusEvent* event) {
    caretWhenLeft_ = hasSelectedText() ? selectionStart() : cursorPosition();
    leftTemporarily_ = isTemporary(event->reason());
    QLineEdit::focusOutEvent(event);
}

void InputField::keyPressEvent(QKeyEvent* event) {
    if (isKeypadDecimal(*event)) {
        insert(decimalSeparator_);  // as spreadsheets do
        return;
    }
    if (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier) {
        redo();  // as on Windows, besides Ctrl+Shift+Z
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace lnb
