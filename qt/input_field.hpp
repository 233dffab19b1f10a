// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace lnb {

// A figure's input field. It reports when the user enters it, so that the
// window applies the entry rule itself rather than Qt's select-all on Tab, and
// it takes figures as people type and paste them: the keypad's decimal key
// types the locale's separator, Ctrl+Y redoes, and line breaks and tabs around
// pasted or dropped text are dropped, wherever it lands. Its menu (the menu
// key, Shift+F10, a right click) also offers to copy the result.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    InputField(const QString& decimalSeparator, QWidget* parent);

    // Where the caret stood when the field was last left (the start of the
    // selection, if there was one), in UTF-16 units.
    int caretWhenLeft() const { return caretWhenLeft_; }

  signals:
    void entered(Qt::FocusReason reason);
    void copyResultAsked();

  protected:
    // No exception leaves a handler (see FrmMain).
    void focusInEvent(QFocusEvent* event) noexcept override;
    void focusOutEvent(QFocusEvent* event) noexcept override;
    void keyPressEvent(QKeyEvent* event) noexcept override;
    void contextMenuEvent(QContextMenuEvent* event) noexcept override;
    void mouseReleaseEvent(QMouseEvent* event) noexcept override;
    void dropEvent(QDropEvent* event) noexcept override;

  private:
    // Puts `pasted` in place of the selection, or at the caret, as one step
    // that Ctrl+Z undoes; the caret ends after it.
    void insertPasted(const QString& pasted) noexcept;

    QString decimalSeparator_;
    int caretWhenLeft_ = 0;
    bool leftTemporarily_ = false;
};

}  // namespace lnb
