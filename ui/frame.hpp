#pragma once

#include <QWidget>

namespace lnb {

// A frame as the design draws one: an etched border whose top line runs
// through the middle of the caption, on the frame's own back colour. Disabling
// it disables what it holds. (Drawn here rather than by QGroupBox, whose style
// loads every image plugin at start-up for one border picture.)
class Frame : public QWidget {
    Q_OBJECT
  public:
    Frame(const QString& caption, QWidget* parent);

    const QString& caption() const { return caption_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
};

}  // namespace lnb
