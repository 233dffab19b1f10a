// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace lnb {

// A frame as the design draws one: an etched border whose top line runs
// through the middle of the caption, on the frame's own back colour. Disabling
// it disables what it holds. (Drawn here rather than by QGroupBox, whose style
// loads every image plugin at start-up for one border picture.) The caption is
// a label of its own, so that it can name the field the frame holds.
class Frame : public QWidget {
    Q_OBJECT
  public:
    explicit Frame(QWidget* parent);

    void setCaption(const QString& caption);
    QLabel* captionLabel() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) noexcept override;
    void changeEvent(QEvent* event) noexcept override;

  private:
    void fitCaption();

    QLabel* caption_;
};

}  // namespace lnb
