// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include "design/field_menu.hpp"
#include "design/presenter.hpp"

namespace lnb {

// A figure's input field. It reports when the user enters it, so that the
// window applies the entry rule itself rather than Qt's select-all on Tab, and
// it takes figures as people type and paste them, as the core decides: what
// the keypad's decimal key types, and what a paste, a middle-button paste or
// a drop puts where. Ctrl+Y redoes. Its menu (the menu key, Shift+F10, a
// right click) also offers to copy the result.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    // `presenter` must outlive the field.
    InputField(const Presenter& presenter, Input which, QWidget* parent);

    // Where the caret stood when the field was last left (the start of the
    // selection, if there was one), in UTF-16 units.
    int caretWhenLeft() const { return caretWhenLeft_; }

  signals:
    void entered(Qt::FocusReason reason);

  protected:
    // No exception leaves a handler (see FrmMain).
    void focusInEvent(QFocusEvent* event) noexcept override;
    void focusOutEvent(QFocusEvent* event) noexcept override;
    void keyPressEvent(QKeyEvent* event) noexcept override;
    void contextMenuEvent(QContextMenuEvent* event) noexcept override;
    void mousePressEvent(QMouseEvent* event) noexcept override;
    void mouseReleaseEvent(QMouseEvent* event) noexcept override;
    void dropEvent(QDropEvent* event) noexcept override;

  private:
    void paste(const QString& pasted) noexcept;
    // Whether the menu's command can act now, and carrying it out.
    bool offers(design::EditCommand command) const;
    void carryOut(design::EditCommand command);
    // Puts what the core decided in place, as one step that Ctrl+Z undoes.
    void apply(const Insertion& insertion);
    int selectionFrom() const;

    const Presenter& presenter_;
    Input which_;
    int caretWhenLeft_ = 0;
    bool leftTemporarily_ = false;
    bool pressedWhileInactive_ = false;
};

}  // namespace lnb
