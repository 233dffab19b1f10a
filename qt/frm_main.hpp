// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "design/presenter.hpp"
#include "qt/diagram.hpp"
#include "qt/units.hpp"

class QMenu;
class QSettings;

namespace lnb {

class InputField;

// The main window: builds a widget for each control of the design table, tells
// the core what the user does and paints the view the core gives back.
class FrmMain : public QWidget {
    Q_OBJECT
  public:
    // Figures are read and written with the user's decimal separator.
    explicit FrmMain(std::string decimalSeparator, QWidget* parent = nullptr);

    // What the window kept from its last run, taken from `settings`, where it
    // keeps it from now on; call before Form_Load.
    void keepIn(QSettings& settings);

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
    QWidget* createWidget(const design::Control& control);
    QWidget* widget(design::Id id) const { return controls_[static_cast<std::size_t>(id)]; }
    InputField* input(Input which) const;
    void stackLabelsUnderTheRest();
    void setTabOrder();
    void nameForScreenReaders();
    void bindInput(Input which);

    void onTextChanged(Input which, const QString& text) noexcept;
    void onEntered(Input which, Qt::FocusReason reason) noexcept;
    void onPanelButton() noexcept;
    void showView(const View& view) noexcept;
    void showControl(const design::Control& control, const ShownControl& now,
                     const ShownControl& before);
    void showSelection(const Selection& selection);
    void repaintPictures(const View& view);
    void keep();

    units::FontMeasure measure_;
    Presenter presenter_;
    View shown_;  // what the window shows now: the last view it was given

    std::array<QWidget*, design::kControlCount> controls_{};  // by design::Id
    QMenu* resultMenu_ = nullptr;
    QSettings* settings_ = nullptr;
    diagram::PicturePainter picturePainter_;
};

}  // namespace lnb
