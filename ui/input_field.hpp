#pragma once

#include <QLineEdit>

namespace lnb {

// A line edit that reports when the user enters or leaves it, so that the
// window can apply the entry rule itself rather than Qt's select-all on Tab.
class InputField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    // Where the caret stood when the field was last left (the start of the
    // selection, if there was one), in UTF-16 units.
    int caretWhenLeft() const { return caretWhenLeft_; }

  signals:
    void entered(Qt::FocusReason reason);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int caretWhenLeft_ = 0;
    bool leftTemporarily_ = false;
};

}  // namespace lnb
