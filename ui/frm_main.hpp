#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "design.hpp"
#include "diagram.hpp"
#include "frm_main_logic.hpp"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace lnb {

class InputField;

// The main window: builds its controls from the design table, passes the
// user's typing to the calculator core and shows what the core computed.
class FrmMain : public QWidget {
    Q_OBJECT
  public:
    explicit FrmMain(QWidget* parent = nullptr);

    // Computes and draws the example figures; call before the window is shown.
    void Form_Load();

    const FrmMainLogic& logic() const { return logic_; }
    // The message shown beside the result; empty while the result is current.
    QString message() const;
    bool resultIsCurrent() const { return resultIsCurrent_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Input {
        InputField* widget;
        TextField FrmMainLogic::*field;
        void (FrmMainLogic::*change)();
        void (FrmMainLogic::*gotFocus)();
        QString caption;  // what the user calls the field
    };

    void createControls();
    QWidget* containerOf(const design::Control& control);
    void setTabOrder();
    void bindInput(const Input& input);

    void onTextChanged(const Input& input, const QString& text);
    void onEntered(const Input& input, Qt::FocusReason reason);
    // Runs one handler of the core, catching a failure at the event boundary.
    void runHandler(const std::function<void()>& handler);
    void showState();
    void showResult();
    void showMessage();
    void repaintMovedPictures();

    FrmMainLogic logic_;
    std::array<Input, 3> inputs_{};
    QLineEdit* txtMedDiametro_ = nullptr;
    QLineEdit* txtMedProfundidad_ = nullptr;
    QLineEdit* txtDistancia_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QLabel* lblAviso_ = nullptr;

    std::optional<FailureKind> lastFailure_;
    bool resultIsCurrent_ = true;
    std::array<Rect, 6> shownPictures_{};
    diagram::PicturePainter picturePainter_;
};

}  // namespace lnb
