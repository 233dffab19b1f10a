#include "input_field.hpp"

#include <QFocusEvent>

namespace lnb {
namespace {

// Focus that goes to another application or to a popup (the field's context
// menu) comes back to the same field: that is not entering it.
bool isTemporary(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

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

}  // namespace lnb
