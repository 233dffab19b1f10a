#include "input_field.hpp"

#include <QFocusEvent>

namespace lnb {

void InputField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back from another application is not entering the field.
    const bool returning = event->reason() == Qt::ActiveWindowFocusReason && leftByWindowSwitch_;
    leftByWindowSwitch_ = false;
    if (!returning)
        emit entered(event->reason());
}

void InputField::focusOutEvent(QFocusEvent* event) {
    caretWhenLeft_ = hasSelectedText() ? selectionStart() : cursorPosition();
    leftByWindowSwitch_ = event->reason() == Qt::ActiveWindowFocusReason;
    QLineEdit::focusOutEvent(event);
}

}  // namespace lnb
