// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/frm_main.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "logic/picture_clipping.hpp"
#include "qt/accessibility.hpp"
#include "qt/application.hpp"
#include "qt/button.hpp"
#include "qt/frame.hpp"
#include "qt/input_field.hpp"
#include "qt/menus.hpp"

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

QLabel* createLabel(const design::Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(control.flags & design::kCentred ? Qt::AlignCenter
                                                         : Qt::AlignLeft | Qt::AlignTop);
    if (control.flags & design::kSingleBorder) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

QRadioButton* createOption(QWidget* parent) {
    auto* option = new QRadioButton(parent);
    option->setFocusPolicy(Qt::NoFocus);
    option->setBackgroundRole(QPalette::Window);  // a button's would be its face
    return option;
}

QPushButton* createButton(const design::Control& control, QWidget* parent) {
    auto* button = new Button(parent);
    button->setCheckable(control.flags & design::kToggle);
    return button;
}

QRect toUpdate(const clipping::PixelRect& area) {
    return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
}

QSize toPixels(const design::Size& size) {
    return {qRound(units::toPixels(size.width)), qRound(units::toPixels(size.height))};
}

// The controls this window has: all but the page's own.
bool isHere(const design::Control& control) {
    return design::isOnPlatform(control, false);
}

}  // namespace

FrmMain::FrmMain(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), presenter_(std::move(decimalSeparator), measure_) {
    installAccessibility();
    setObjectName(toQString(design::kFrmMain.name));
    resize(toPixels(design::clientSize(false)));
    setAutoFillBackground(true);
    setWindowIcon(programIcon());
    createControls();
    stackLabelsUnderTheRest();
    setTabOrder();
    nameForScreenReaders();
    showView(presenter_.view());  // before the inputs tell the core of their first texts
    for (const Input which : kInputs) bindInput(which);
    connect(static_cast<QPushButton*>(widget(Id::cmdApuntar)), &QPushButton::clicked, this,
            [this] { onPanelButton(); });
}

// The controls in tab order, so that each frame exists before what it holds.
void FrmMain::createControls() {
    for (const design::Control& control : design::kControls) {
        if (!isHere(control))
            continue;
        QWidget* created = createWidget(control);
        created->setObjectName(toQString(control.name));
        created->setGeometry(units::toPixels(control));
        if (control.flags & design::kDisabled)
            created->setEnabled(false);
        controls_[static_cast<std::size_t>(control.id)] = created;
    }
}

// Words, colours, sizes and whether it shows come with the view.
QWidget* FrmMain::createWidget(const design::Control& control) {
    QWidget* parent =
        control.container == Id::frmMain ? static_cast<QWidget*>(this) : widget(control.container);
    switch (control.kind) {
        case design::Kind::Frame:
            return new Frame(parent);
        case design::Kind::Label:
            return createLabel(control, parent);
        case design::Kind::OptionButton:
            return createOption(parent);
        case design::Kind::Button:
            return createButton(control, parent);
        case design::Kind::TextField:
            break;
    }
    QLineEdit* field = nullptr;
    if (const auto which = design::inputOf(control.id)) {
        field = new InputField(presenter_, *which, parent);
    } else {
        field = new QLineEdit(parent);  // written by the program only
        field->setFocusPolicy(Qt::NoFocus);
    }
    if (control.flags & design::kCentred)
        field->setAlignment(Qt::AlignCenter);
    return field;
}

InputField* FrmMain::input(Input which) const {
    return static_cast<InputField*>(widget(design::fieldOf(which)));
}

// The window's own labels lie under every frame, field and button, in the
// design's order among themselves.
void FrmMain::stackLabelsUnderTheRest() {
    for (const Id id : design::kLabelsTopDown) widget(id)->lower();
}

// Only the inputs and buttons take the focus (frames and labels never do,
// the options and output fields are made unfocusable); Tab goes through
// them in tab order.
void FrmMain::setTabOrder() {
    QWidget* previous = nullptr;
    for (const design::Control& control : design::kControls) {
        QWidget* next = isHere(control) ? widget(control.id) : nullptr;
        if (!next || next->focusPolicy() == Qt::NoFocus || control.kind == design::Kind::Label ||
            control.kind == design::Kind::Frame)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

// Each field is named by its caption, which is also its buddy.
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
}

void FrmMain::keepIn(QSettings& settings) {
    for (const std::string_view name : kKeptNames) {
        const QVariant value = settings.value(toQString(name));
        // Anything but a text is none of this program's.
        if (value.typeId() == QMetaType::QString)
            presenter_.restore(name, value.toString().toStdString());
    }
    settings_ = &settings;
}

void FrmMain::Form_Load() {
    showView(presenter_.load());
    input(Input::Vertical)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::onTextChanged(Input which, const QString& text) noexcept {
    showView(presenter_.type(which, text.toStdString()));
    if (!isFigure(which))
        keep();
}

void FrmMain::onPanelButton() noexcept {
    showView(presenter_.togglePanel());
    keep();
}

// Kept as it changes; QSettings writes it to disk once the event loop is
// back, not in the keystroke: a session that ends kills the program.
void FrmMain::keep() {
    if (!settings_)
        return;
    for (const auto& [name, value] : presenter_.kept())
        settings_->setValue(toQString(name), toQString(value));
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
    if (view.clientSize != shown_.clientSize)
        resize(toPixels(view.clientSize));
    for (const design::Control& control : design::kControls) {
        const auto i = static_cast<std::size_t>(control.id);
        if (isHere(control) && view.controls[i] != shown_.controls[i])
            showControl(control, view.controls[i], shown_.controls[i]);
    }
    if (view.selection)
        showSelection(*view.selection);
    repaintPictures(view);
    shown_ = view;
}

// Only what changed: a keystroke changes the result's text, seldom its font or
// colours.
void FrmMain::showControl(const design::Control& control, const ShownControl& now,
                          const ShownControl& before) {
    QWidget* shown = widget(control.id);
    if (now.shown != before.shown)
        shown->setVisible(now.shown);
    if (now.pointSize != before.pointSize)
        shown->setFont(units::toQFont(control.font, now.pointSize));
    if (now.tooltip != before.tooltip)
        shown->setToolTip(toQString(now.tooltip));
    if (now.description != before.description)
        shown->setAccessibleDescription(toQString(now.description));
    const bool coloured = now.fore != before.fore || now.back != before.back;
    const QString text = toQString(now.text);
    switch (control.kind) {
        case design::Kind::Frame:
            static_cast<Frame*>(shown)->setCaption(text);
            break;
        case design::Kind::Label:
            static_cast<QLabel*>(shown)->setText(text);
            break;
        case design::Kind::OptionButton:
            static_cast<QRadioButton*>(shown)->setText(text);
            static_cast<QRadioButton*>(shown)->setChecked(now.checked);
            break;
        case design::Kind::Button: {
            auto* button = static_cast<QPushButton*>(shown);
            button->setText(text);
            button->setChecked(now.checked);
            if (coloured) {
                setColour(button, QPalette::ButtonText, now.fore);
                setColour(button, QPalette::Button, now.back);
            }
            return;
        }
        case design::Kind::TextField: {
            auto* field = static_cast<QLineEdit*>(shown);
            if (coloured) {
                setColour(field, QPalette::Text, now.fore);
                setColour(field, QPalette::Base, now.back);
            }
            if (field->text() != text) {  // an input already holds what the user typed
                field->setText(text);
                if (!design::isInput(control.id))
                    field->setCursorPosition(0);
            }
            return;
        }
    }
    if (coloured) {
        setColour(shown, QPalette::WindowText, now.fore);
        if (!(control.flags & design::kTransparent))
            setBackground(shown, now.back);
    }
}

void FrmMain::showSelection(const Selection& selection) {
    InputField* field = input(selection.field);
    field->setCursorPosition(selection.start);
    if (selection.length > 0)
        field->setSelection(selection.start, selection.length);
}

// A disabled control's clicks come to the window: a right click over one
// with a menu of its own (the result) opens that menu.
void FrmMain::contextMenuEvent(QContextMenuEvent* event) noexcept {
    for (const design::Control& control : design::kControls) {
        const ShownControl& shown = shown_[control.id];
        QWidget* under = isHere(control) ? widget(control.id) : nullptr;
        if (!(control.flags & design::kOwnMenu) || !under || !under->isVisible() ||
            !QRect(under->mapTo(this, QPoint()), under->size()).contains(event->pos()))
            continue;
        QMenu* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setObjectName(toQString(control.name) + QStringLiteral("Menu"));
        addCopyEntries(*menu, shown.menu);
        menu->popup(event->globalPos());
        return;
    }
    QWidget::contextMenuEvent(event);
}

// What the core says to paint again, as much of it as the window shows.
void FrmMain::repaintPictures(const View& view) {
    const clipping::PixelRect window{0, 0, width(), height()};
    for (const Rect& place : view.repaint) {
        const QRectF pixels = units::toPixels(place);
        if (const auto area = clipping::repaintArea(pixels.x(), pixels.y(), pixels.width(),
                                                    pixels.height(), window))
            update(toUpdate(*area));
    }
}

void FrmMain::paintEvent(QPaintEvent* /*event*/) noexcept {
    QPainter painter(this);
    const QRectF window = rect();
    for (const ShownPicture& picture : shown_.picturesBottomUp) {
        if (picture.shown)
            picturePainter_.paint(painter, picture, units::toPixels(picture.now), window);
    }
}

}  // namespace lnb
