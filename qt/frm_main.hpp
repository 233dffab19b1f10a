// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QWidget>
#include <array>

#include "diagram.hpp"
#include "frm_main_logic.hpp"
#include "window_design.hpp"

class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace lnb {

class Frame;
class InputField;

// The main window: builds its controls from the design table, passes the
// user's typing to the calculator core and shows what the core decided.
class FrmMain : public QWidget {
    Q_OBJECT
  public:
    explicit FrmMain(QWidget* parent = nullptr);

    // Computes and draws the example figures; call before the window is shown.
    void Form_Load();

    const FrmMainLogic& logic() const { return logic_; }
    // The line under the result: a message, what installers read next to a
    // current result, or nothing.
    QString statusLine() const;
    bool resultIsCurrent() const { return logic_.status().resultIsCurrent(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void createControls();
    QWidget* containerOf(const design::Control& control) const;
    void stackLabelsUnderTheRest();
    void setTabOrder();
    void describeForScreenReaders();
    void bindInput(Input input);

    void onTextChanged(Input input, const QString& text);
    void onEntered(Input input, Qt::FocusReason reason);
    void showState();
    void showResult();
    void showStatusLine();
    void repaintMovedPictures();

    FrmMainLogic logic_;

    // Every control by design::Id; the typed ones below are those the window uses.
    std::array<QWidget*, 16> controls_{};
    Frame* frame2_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    std::array<InputField*, 3> inputs_{};  // by Input
    QLineEdit* txtMedDiametro_ = nullptr;
    QLineEdit* txtMedProfundidad_ = nullptr;
    QLineEdit* txtDistancia_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* lblAviso_ = nullptr;
    QMenu* resultMenu_ = nullptr;

    QFont resultFont_;  // the design's, before any shrinking to fit
    QFont statusFont_;
    std::array<Rect, 6> shownPictures_{};
    diagram::PicturePainter picturePainter_;
};

}  // namespace lnb
