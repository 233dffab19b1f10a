// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace lnb {

// A figure's input field. It reports when the user enters it, so that the
// window applies the entry rule itself rather than Qt's select-all on Tab, and
// it takes figures as people type and paste them: the keypad's decimal key
// types the locale's separator, Ctrl+Y redoes, and line breaks and tabs
// around pasted text are dropped.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    InputField(const QString& decimalSeparator, QWidget* parent);

    // Where the caret stood when the field was last left (the start of the
    // selection, if there was one), in UTF-16 units.
    int caretWhenLeft() const { return caretWhenLeft_; }

  signals:
    void entered(Qt::FocusReason reason);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString decimalSeparator_;
    int caretWhenLeft_ = 0;
    bool leftTemporarily_ = false;
};

}  // namespace lnb
