// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "design/presenter.hpp"
#include "qt/diagram.hpp"
#include "qt/units.hpp"

class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace lnb {

class Frame;
class InputField;

// The main window: builds its controls from the design table, tells the core
// what the user does and paints the view the core gives back.
class FrmMain : public QWidget {
    Q_OBJECT
  public:
    explicit FrmMain(QWidget* parent = nullptr);

    // Computes and draws the example figures; call before the window is shown.
    void Form_Load();

    const FrmMainLogic& logic() const { return presenter_.logic(); }

  protected:
    // No exception leaves a handler: the core's handlers throw none, and
    // anything else (memory exhausted) ends the program there, as on Windows.
    void paintEvent(QPaintEvent* event) noexcept override;
    void contextMenuEvent(QContextMenuEvent* event) noexcept override;

  private:
    void createControls();
    QWidget* containerOf(const design::Control& control) const;
    QWidget* widget(design::Id id) const { return controls_[static_cast<std::size_t>(id)]; }
    InputField* input(Input which) const;
    void stackLabelsUnderTheRest();
    void setTabOrder();
    void nameForScreenReaders();
    void bindInput(Input which);

    void onTextChanged(Input which, const QString& text) noexcept;
    void onEntered(Input which, Qt::FocusReason reason) noexcept;
    void showView(const View& view) noexcept;
    void showControl(design::Id id, const ShownText& now, const ShownText& before);
    void showSelection(const Selection& selection);
    void copyResult() noexcept;
    void repaintMovedPictures(const View& view);

    units::FontMeasure measure_;
    Presenter presenter_;
    View shown_;  // what the window shows now: the last view it was given

    std::array<QWidget*, 16> controls_{};  // by design::Id
    QLabel* lblAviso_ = nullptr;
    QMenu* resultMenu_ = nullptr;
    diagram::PicturePainter picturePainter_;
};

}  // namespace lnb
