// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/frm_main.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>

#include "design/texts.hpp"
#include "logic/picture_clipping.hpp"
#include "qt/accessibility.hpp"
#include "qt/application.hpp"
#include "qt/frame.hpp"
#include "qt/input_field.hpp"

namespace lnb {
namespace {

using design::Id;

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Sets `role` in every colour group, the disabled one included: disabled
// controls keep the design's colours.
void setColour(QWidget* widget, QPalette::ColorRole role, design::Rgb rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, units::toQColor(rgb));
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, design::Rgb rgb) {
    setColour(widget, QPalette::Window, rgb);
    widget->setAutoFillBackground(true);
}

QWidget* createWidget(const design::Control& control, QWidget* parent,
                      const QString& decimalSeparator) {
    switch (control.kind) {
        case design::Kind::Frame:
            return new Frame(parent);
        case design::Kind::Label: {
            auto* label = new QLabel(parent);
            label->setAlignment(control.flags & design::kCentred ? Qt::AlignCenter
                                                                 : Qt::AlignLeft | Qt::AlignTop);
            if (control.flags & design::kSingleBorder) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setLineWidth(1);
            }
            return label;
        }
        case design::Kind::TextField: {
            // The result and the work fields are written by the program only.
            QLineEdit* field = design::isInput(control.id)
                                   ? new InputField(decimalSeparator, parent)
                                   : new QLineEdit(parent);
            if (!design::isInput(control.id))
                field->setFocusPolicy(Qt::NoFocus);
            if (control.flags & design::kCentred)
                field->setAlignment(Qt::AlignCenter);
            return field;
        }
        case design::Kind::OptionButton: {
            auto* option = new QRadioButton(parent);
            option->setFocusPolicy(Qt::NoFocus);
            option->setBackgroundRole(QPalette::Window);  // a button's would be its face
            return option;
        }
    }
    return nullptr;
}

// Name, place and state, as the design says; words, colours and font sizes
// come with the view.
QWidget* applyDesign(QWidget* widget, const design::Control& control) {
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(units::toPixels(control));
    if (control.flags & design::kDisabled)
        widget->setEnabled(false);
    if (control.flags & design::kHidden)
        widget->setVisible(false);
    return widget;
}

QRect toUpdate(const clipping::PixelRect& area) {
    return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
}

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent), presenter_(QLocale().decimalPoint().toStdString(), measure_) {
    installAccessibility();
    setObjectName(toQString(design::kFrmMain.name));
    resize(qRound(units::toPixels(design::kFrmMain.clientWidth)),
           qRound(units::toPixels(design::kFrmMain.clientHeight)));
    setAutoFillBackground(true);
    setWindowIcon(programIcon());
    createControls();
    stackLabelsUnderTheRest();
    setTabOrder();
    nameForScreenReaders();
    widget(Id::Label4)->setToolTip(toQString(texts::versionNote()));
    showView(presenter_.view());  // before the inputs tell the core of their first texts
    for (const Input which : kInputs) bindInput(which);
}

// The controls in tab order, so that each frame exists before what it holds.
void FrmMain::createControls() {
    const QString separator = toQString(presenter_.logic().decimalSeparator());
    for (const design::Control& control : design::kControls) {
        QWidget* created = createWidget(control, containerOf(control), separator);
        controls_[static_cast<std::size_t>(control.id)] = applyDesign(created, control);
    }
    lblAviso_ = static_cast<QLabel*>(
        applyDesign(createWidget(design::kStatusLine, this, separator), design::kStatusLine));
}

QWidget* FrmMain::containerOf(const design::Control& control) const {
    if (control.container == Id::frmMain)
        return const_cast<FrmMain*>(this);
    return widget(control.container);
}

InputField* FrmMain::input(Input which) const {
    return static_cast<InputField*>(widget(design::fieldOf(which)));
}

// The window's own labels lie under every frame, field and button, in the
// design's order among themselves.
void FrmMain::stackLabelsUnderTheRest() {
    for (const Id id : design::kLabelsTopDown) widget(id)->lower();
}

// Only the inputs take the focus (frames and labels never do, the options
// and output fields are made unfocusable); Tab goes through them in tab order.
void FrmMain::setTabOrder() {
    for (std::size_t i = 1; i < kInputs.size(); ++i)
        QWidget::setTabOrder(input(kInputs[i - 1]), input(kInputs[i]));
}

// Each input is named by its caption, which is also its buddy; the result by
// its heading.
void FrmMain::nameForScreenReaders() {
    for (const design::Control& field : design::kControls) {
        const auto naming = design::captionNaming(field.id);
        if (!naming)
            continue;
        widget(field.id)->setAccessibleName(toQString(design::control(*naming).caption));
        auto* frame = qobject_cast<Frame*>(widget(*naming));
        auto* label = frame ? frame->captionLabel() : static_cast<QLabel*>(widget(*naming));
        label->setBuddy(widget(field.id));
    }
}

void FrmMain::bindInput(Input which) {
    connect(input(which), &QLineEdit::textChanged, this,
            [this, which](const QString& text) { onTextChanged(which, text); });
    connect(input(which), &InputField::entered, this,
            [this, which](Qt::FocusReason reason) { onEntered(which, reason); });
    connect(input(which), &InputField::copyResultAsked, this, &FrmMain::copyResult);
}

void FrmMain::Form_Load() {
    showView(presenter_.load());
    input(Input::Vertical)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::onTextChanged(Input which, const QString& text) noexcept {
    showView(presenter_.type(which, text.toStdString()));
}

// A click keeps the caret where it put it; the keyboard takes the selection
// the core gives.
void FrmMain::onEntered(Input which, Qt::FocusReason reason) noexcept {
    const Entry entry = reason == Qt::MouseFocusReason ? Entry::Click : Entry::Keyboard;
    showView(presenter_.enter(which, input(which)->caretWhenLeft(), entry));
}

// Only what differs from what the window shows is touched.
void FrmMain::showView(const View& view) noexcept {
    if (view.system != shown_.system)
        setPalette(units::toPalette(view.system));
    if (view.window != shown_.window) {
        setWindowTitle(toQString(view.window.text));
        setColour(this, QPalette::Window, view.window.back);
        setFont(units::toQFont(design::kFrmMain.font, view.window.pointSize));
    }
    for (const design::Control& control : design::kControls) {
        const auto i = static_cast<std::size_t>(control.id);
        if (view.controls[i] != shown_.controls[i])
            showControl(control.id, view.controls[i], shown_.controls[i]);
    }
    const ShownText& line = view.statusLine;
    if (line.text != shown_.statusLine.text)
        lblAviso_->setText(toQString(line.text));
    if (line.fore != shown_.statusLine.fore)
        setColour(lblAviso_, QPalette::WindowText, line.fore);
    if (line.pointSize != shown_.statusLine.pointSize)
        lblAviso_->setFont(units::toQFont(design::kStatusLine.font, line.pointSize));
    if (view.resultDescription != shown_.resultDescription)
        widget(Id::txtDistancia)->setAccessibleDescription(toQString(view.resultDescription));
    if (view.inputDescription != shown_.inputDescription) {
        for (const Input which : kInputs)
            input(which)->setAccessibleDescription(toQString(view.inputDescription));
    }
    static_cast<QRadioButton*>(widget(Id::Option1))->setChecked(view.optionsSelected[0]);
    static_cast<QRadioButton*>(widget(Id::Option2))->setChecked(view.optionsSelected[1]);
    if (view.selection)
        showSelection(*view.selection);
    repaintMovedPictures(view);
    shown_ = view;
}

// Only what changed: a keystroke changes the result's text, seldom its font or
// colours.
void FrmMain::showControl(Id id, const ShownText& now, const ShownText& before) {
    const design::Control& control = design::control(id);
    QWidget* shown = widget(id);
    const QString text = toQString(now.text);
    if (now.pointSize != before.pointSize)
        shown->setFont(units::toQFont(control.font, now.pointSize));
    const bool coloured = now.fore != before.fore || now.back != before.back;
    switch (control.kind) {
        case design::Kind::Frame:
            static_cast<Frame*>(shown)->setCaption(text);
            if (coloured) {
                setColour(shown, QPalette::WindowText, now.fore);
                setBackground(shown, now.back);
            }
            break;
        case design::Kind::Label:
            static_cast<QLabel*>(shown)->setText(text);
            if (coloured) {
                setColour(shown, QPalette::WindowText, now.fore);
                if (!(control.flags & design::kTransparent))
                    setBackground(shown, now.back);
            }
            break;
        case design::Kind::TextField: {
            auto* field = static_cast<QLineEdit*>(shown);
            if (coloured) {
                setColour(field, QPalette::Text, now.fore);
                setColour(field, QPalette::Base, now.back);
            }
            if (field->text() != text) {  // an input already holds what the user typed
                field->setText(text);
                if (!design::isInput(id))
                    field->setCursorPosition(0);
            }
            break;
        }
        case design::Kind::OptionButton:
            static_cast<QRadioButton*>(shown)->setText(text);
            if (coloured) {
                setColour(shown, QPalette::WindowText, now.fore);
                setBackground(shown, now.back);
            }
            break;
    }
}

void FrmMain::showSelection(const Selection& selection) {
    InputField* field = input(selection.field);
    field->setCursorPosition(selection.start);
    if (selection.length > 0)
        field->setSelection(selection.start, selection.length);
}

// The result field is disabled, so its clicks come to the window: a right
// click over it offers to copy the result as shown.
void FrmMain::contextMenuEvent(QContextMenuEvent* event) noexcept {
    if (!widget(Id::txtDistancia)->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    if (!resultMenu_) {
        resultMenu_ = new QMenu(this);
        resultMenu_->setObjectName(QStringLiteral("resultMenu"));
        resultMenu_->addAction(toQString(texts::kCopy), this, &FrmMain::copyResult);
    }
    resultMenu_->popup(event->globalPos());
}

// The result as shown.
void FrmMain::copyResult() noexcept {
    QGuiApplication::clipboard()->setText(toQString(shown_[Id::txtDistancia].text));
}

// Where a picture was and where it is now, for each that moved.
void FrmMain::repaintMovedPictures(const View& view) {
    const clipping::PixelRect window{0, 0, width(), height()};
    for (const ShownPicture& picture : view.picturesBottomUp) {
        if (!picture.moved())
            continue;
        for (const Rect& place : {picture.before, picture.now}) {
            const QRectF pixels = units::toPixels(place);
            if (const auto area = clipping::repaintArea(pixels.x(), pixels.y(), pixels.width(),
                                                        pixels.height(), window))
                update(toUpdate(*area));
        }
    }
}

void FrmMain::paintEvent(QPaintEvent* /*event*/) noexcept {
    QPainter painter(this);
    const QRectF window = rect();
    for (const ShownPicture& picture : shown_.picturesBottomUp)
        picturePainter_.paint(painter, picture.name, units::toPixels(picture.now), window);
}

}  // namespace lnb
