// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/input_field.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include "design/field_menu.hpp"
#include "design/window_design.hpp"
#include "qt/menus.hpp"

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

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString clipboardText(QClipboard::Mode mode) {
    return QGuiApplication::clipboard()->text(mode);
}

}  // namespace

InputField::InputField(const Presenter& presenter, Input which, QWidget* parent)
    : QLineEdit(parent), presenter_(presenter), which_(which) {
    setMaxLength(design::kLongestInput);
}

int InputField::selectionFrom() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

// In place of the selection, or at the caret.
void InputField::paste(const QString& pasted) noexcept {
    const QByteArray utf8 = pasted.toUtf8();
    apply(presenter_.paste(
        which_, selectionFrom(), static_cast<int>(selectedText().size()),
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

void InputField::apply(const Insertion& insertion) {
    setSelection(insertion.start, insertion.length);
    insert(QString::fromUtf8(insertion.text.data(), static_cast<qsizetype>(insertion.text.size())));
    setCursorPosition(insertion.caret);
}

// A click into the field of an inactive window activates the window, and the
// field gets its focus only then, as when the window comes back: that is the
// click entering it, whichever comes first, the focus or the button's release.
void InputField::focusInEvent(QFocusEvent* event) noexcept {
    QLineEdit::focusInEvent(event);
    const bool returning = leftTemporarily_ && isTemporary(event->reason());
    const bool activatedByClick =
        pressedWhileInactive_ && event->reason() == Qt::ActiveWindowFocusReason;
    leftTemporarily_ = false;
    pressedWhileInactive_ = false;
    if (!returning)
        emit entered(activatedByClick ? Qt::MouseFocusReason : event->reason());
}

void InputField::mousePressEvent(QMouseEvent* event) noexcept {
    pressedWhileInactive_ = !isActiveWindow();
    QLineEdit::mousePressEvent(event);
}

void InputField::focusOutEvent(QFocusEvent* event) noexcept {
    caretWhenLeft_ = selectionFrom();
    leftTemporarily_ = isTemporary(event->reason());
    QLineEdit::focusOutEvent(event);
}

void InputField::keyPressEvent(QKeyEvent* event) noexcept {
    if (isKeypadDecimal(*event)) {
        apply(presenter_.keypadDecimal(which_, selectionFrom(),
                                       static_cast<int>(selectedText().size())));
        return;
    }
    if (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier) {
        redo();  // as on Windows, besides Ctrl+Shift+Z
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste(clipboardText(QClipboard::Clipboard));
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        // As the menu key does, on the caret.
        const QPoint at = cursorRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menu);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The fields' menu as every window has it: the edit commands, each offered
// while it can act, then the view's entries that copy the result and the
// sheet (the result field itself takes no focus). Its paste is every paste.
void InputField::contextMenuEvent(QContextMenuEvent* event) noexcept {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const design::FieldMenuEntry& entry : design::kFieldMenu) {
        if (!entry.command) {
            menu->addSeparator();
            continue;
        }
        QString words = toQString(entry.words);
        if (!entry.keys.empty())
            words += QLatin1Char('\t') + toQString(entry.keys);
        QAction* action = menu->addAction(words);
        const design::EditCommand command = *entry.command;
        action->setEnabled(offers(command));
        connect(action, &QAction::triggered, this,
                [this, command]() noexcept { carryOut(command); });
    }
    addCopyEntries(*menu, presenter_.view()[design::fieldOf(which_)].menu);
    menu->popup(event->globalPos());
}

bool InputField::offers(design::EditCommand command) const {
    switch (command) {
        case design::EditCommand::Undo:
            return isUndoAvailable();
        case design::EditCommand::Redo:
            return isRedoAvailable();
        case design::EditCommand::Cut:
        case design::EditCommand::Delete:
            return hasSelectedText() && !isReadOnly();
        case design::EditCommand::Copy:
            return hasSelectedText();
        case design::EditCommand::Paste:
            return !isReadOnly() && !clipboardText(QClipboard::Clipboard).isEmpty();
        case design::EditCommand::SelectAll:
            break;
    }
    return !text().isEmpty() && selectedText() != text();
}

void InputField::carryOut(design::EditCommand command) {
    switch (command) {
        case design::EditCommand::Undo:
            return undo();
        case design::EditCommand::Redo:
            return redo();
        case design::EditCommand::Cut:
            return cut();
        case design::EditCommand::Copy:
            return copy();
        case design::EditCommand::Paste:
            return paste(clipboardText(QClipboard::Clipboard));
        case design::EditCommand::Delete:
            return del();
        case design::EditCommand::SelectAll:
            return selectAll();
    }
}

// The middle button pastes the selection where it pressed (Qt has moved the
// caret there).
void InputField::mouseReleaseEvent(QMouseEvent* event) noexcept {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        paste(clipboardText(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// Text dropped from elsewhere lands where it is dropped; a drag within the
// field moves its own text, which holds no line break.
void InputField::dropEvent(QDropEvent* event) noexcept {
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    paste(event->mimeData()->text());
    event->acceptProposedAction();
}

}  // namespace lnb
