// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "accessibility.hpp"
#include "application.hpp"
#include "frame.hpp"
#include "input_field.hpp"
#include "texts.hpp"
#include "units.hpp"

namespace lnb {
namespace {

using design::Id;

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The core counts selections in characters; QString in UTF-16 units.
int toCharacters(const QString& text, int utf16Position) {
    return static_cast<int>(QStringView(text).left(utf16Position).toUcs4().size());
}

int toUtf16(const QString& text, int characters) {
    int position = 0;
    for (int counted = 0; counted < characters && position < text.size(); ++counted)
        position += text.at(position).isHighSurrogate() ? 2 : 1;
    return std::min<int>(position, static_cast<int>(text.size()));
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);  // all groups, the disabled one included
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    setColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

// The design's font, made smaller in quarter points until `text` fits `room`
// pixels across: a long result or message is never cut.
QFont fitted(QFont font, const QString& text, double room) {
    while (QFontMetricsF(font).horizontalAdvance(text) > room &&
           font.pointSizeF() > design::kSmallestFittedPointSize)
        font.setPointSizeF(font.pointSizeF() - design::kFittingStep);
    return font;
}

QString captionOf(const design::Control& control) {
    return toQString(control.caption);
}

// Fore and back colours, font, position, name and state, as the design says.
template <typename Widget>
Widget* applyDesign(Widget* widget, const design::Control& control, const QFont& windowFont) {
    widget->setObjectName(toQString(control.name));
    widget->setFont(units::toQFont(control.font, windowFont));
    widget->setGeometry(units::toPixels(control));
    if (control.flags & design::kDisabled)
        widget->setEnabled(false);
    if (control.flags & design::kHidden)
        widget->setVisible(false);
    return widget;
}

QLabel* createLabel(QWidget* parent, const design::Control& control) {
    auto* label = new QLabel(captionOf(control), parent);
    label->setAlignment(control.flags & design::kCentred ? Qt::AlignCenter
                                                         : Qt::AlignLeft | Qt::AlignTop);
    if (control.foreColour)
        setColour(label, QPalette::WindowText,
                  units::toQColor(*control.foreColour, label->palette()));
    if (control.backColour && !(control.flags & design::kTransparent))
        setBackground(label, units::toQColor(*control.backColour, label->palette()));
    if (control.flags & design::kSingleBorder) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return label;
}

Frame* createFrame(QWidget* parent, const design::Control& control) {
    auto* frame = new Frame(captionOf(control), parent);
    setColour(frame, QPalette::WindowText, units::toQColor(*control.foreColour, frame->palette()));
    setBackground(frame, units::toQColor(*control.backColour, frame->palette()));
    return frame;
}

QRadioButton* createOption(QWidget* parent, const design::Control& control) {
    auto* option = new QRadioButton(captionOf(control), parent);
    option->setFocusPolicy(Qt::NoFocus);
    // Disabled with their frame, the captions take the platform's disabled
    // text colour; the background stays the design's.
    QPalette palette = option->palette();
    const QColor text = units::toQColor(*control.foreColour, palette);
    palette.setColor(QPalette::Active, QPalette::WindowText, text);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    option->setPalette(palette);
    setBackground(option, units::toQColor(*control.backColour, option->palette()));
    return option;
}

template <typename Field>
Field* styleTextField(Field* field, const design::Control& control) {
    if (control.foreColour)
        setColour(field, QPalette::Text, units::toQColor(*control.foreColour, field->palette()));
    // A disabled field keeps its white background, as its design colours say.
    setColour(field, QPalette::Base, field->palette().color(QPalette::Active, QPalette::Base));
    if (control.flags & design::kCentred)
        field->setAlignment(Qt::AlignCenter);
    return field;
}

// The result and the work fields are written by the program only.
QLineEdit* createOutputField(QWidget* parent, const design::Control& control) {
    auto* field = styleTextField(new QLineEdit(captionOf(control), parent), control);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent), logic_(QLocale().decimalPoint().toStdString()) {
    installAccessibility();
    setObjectName(toQString(design::kFrmMain.name));
    setWindowTitle(toQString(design::kFrmMain.caption));
    resize(qRound(units::toPixels(design::kFrmMain.clientWidth)),
           qRound(units::toPixels(design::kFrmMain.clientHeight)));
    setBackground(this, units::toQColor(design::kFrmMain.backColour, palette()));
    setFont(units::toQFont(design::kFrmMain.font, font()));
    setWindowIcon(programIcon());
    createControls();
    stackLabelsUnderTheRest();
    setTabOrder();
    describeForScreenReaders();
    label4_->setToolTip(toQString(texts::versionNote()));
    for (const Input input : kInputs) bindInput(input);
    for (std::size_t i = 0; const auto& picture : diagram::picturesBottomToTop(logic_))
        shownPictures_[i++] = picture.twips;
}

// The controls in tab order, so that each frame exists before what it holds.
void FrmMain::createControls() {
    const QString separator = toQString(logic_.decimalSeparator());
    auto make = [this](Id id, auto create) {
        const design::Control& control = design::control(id);
        auto* widget = applyDesign(create(containerOf(control), control), control, font());
        controls_[static_cast<std::size_t>(id)] = widget;
        return widget;
    };
    auto input = [&separator](QWidget* parent, const design::Control& control) {
        return styleTextField(new InputField(captionOf(control), separator, parent), control);
    };
    make(Id::Frame1, createFrame);
    label1_ = make(Id::Label1, createLabel);
    inputs_[static_cast<std::size_t>(Input::Vertical)] = make(Id::txtVertical, input);
    label2_ = make(Id::Label2, createLabel);
    inputs_[static_cast<std::size_t>(Input::Horizontal)] = make(Id::txtHorizontal, input);
    frame2_ = make(Id::Frame2, createFrame);
    inputs_[static_cast<std::size_t>(Input::Depth)] = make(Id::txtProfundidad, input);
    make(Id::Medida, createFrame);
    option1_ = make(Id::Option1, createOption);
    option2_ = make(Id::Option2, createOption);
    txtMedDiametro_ = make(Id::txtMedDiametro, createOutputField);
    txtMedProfundidad_ = make(Id::txtMedProfundidad, createOutputField);
    txtDistancia_ = make(Id::txtDistancia, createOutputField);
    label3_ = make(Id::Label3, createLabel);
    label4_ = make(Id::Label4, createLabel);
    make(Id::Label5, createLabel);

    lblAviso_ = applyDesign(createLabel(this, design::kStatusLine), design::kStatusLine, font());
    resultFont_ = txtDistancia_->font();
    statusFont_ = lblAviso_->font();
}

QWidget* FrmMain::containerOf(const design::Control& control) const {
    if (control.container == Id::frmMain)
        return const_cast<FrmMain*>(this);
    return controls_[static_cast<std::size_t>(control.container)];
}

// The window's own labels lie under every frame, field and button, in the
// design's order among themselves.
void FrmMain::stackLabelsUnderTheRest() {
    for (const Id id : design::kLabelsTopDown) controls_[static_cast<std::size_t>(id)]->lower();
}

// Only the inputs take the focus (frames and labels never do, the options
// and output fields are made unfocusable); Tab goes through them in tab order.
void FrmMain::setTabOrder() {
    for (std::size_t i = 1; i < inputs_.size(); ++i)
        QWidget::setTabOrder(inputs_[i - 1], inputs_[i]);
}

// Names as the window shows them: each input by its caption, described by the
// unit; the result by its heading, described by the line under it.
void FrmMain::describeForScreenReaders() {
    for (const Input input : kInputs) {
        InputField* field = inputs_[static_cast<std::size_t>(input)];
        field->setAccessibleName(captionOf(design::captionOf(input)));
    }
    label1_->setBuddy(inputs_[static_cast<std::size_t>(Input::Vertical)]);
    label2_->setBuddy(inputs_[static_cast<std::size_t>(Input::Horizontal)]);
    frame2_->captionLabel()->setBuddy(inputs_[static_cast<std::size_t>(Input::Depth)]);
    txtDistancia_->setAccessibleName(captionOf(design::control(Id::Label3)));
    label3_->setBuddy(txtDistancia_);
}

void FrmMain::bindInput(Input input) {
    InputField* field = inputs_[static_cast<std::size_t>(input)];
    connect(field, &QLineEdit::textChanged, this,
            [this, input](const QString& text) { onTextChanged(input, text); });
    connect(field, &InputField::entered, this,
            [this, input](Qt::FocusReason reason) { onEntered(input, reason); });
}

void FrmMain::Form_Load() {
    logic_.Form_Load();
    showState();
    // Load chose the unit; nothing changes it afterwards.
    const QString unit = toQString(texts::unitDescription(logic_.Option1.Value));
    for (InputField* field : inputs_) field->setAccessibleDescription(unit);
    inputs_.front()->setFocus(Qt::OtherFocusReason);
}

void FrmMain::onTextChanged(Input input, const QString& text) {
    logic_.field(input).Text = text.toStdString();
    logic_.change(input);
    showState();
}

// Entering a field selects from the caret to the end; a click keeps the caret
// where it put it.
void FrmMain::onEntered(Input input, Qt::FocusReason reason) {
    InputField* widget = inputs_[static_cast<std::size_t>(input)];
    TextField& field = logic_.field(input);
    const QString text = widget->text();
    field.SelStart = toCharacters(text, widget->caretWhenLeft());
    logic_.gotFocus(input);
    if (reason == Qt::MouseFocusReason)
        return;
    const int start = toUtf16(text, field.SelStart);
    const int end = toUtf16(text, field.SelStart + field.SelLength);
    widget->setCursorPosition(start);
    if (end > start)
        widget->setSelection(start, end - start);
}

void FrmMain::showState() {
    txtMedDiametro_->setText(toQString(logic_.txtMedDiametro.Text));
    txtMedProfundidad_->setText(toQString(logic_.txtMedProfundidad.Text));
    option1_->setChecked(logic_.Option1.Value);
    option2_->setChecked(logic_.Option2.Value);
    showStatusLine();
    showResult();
    repaintMovedPictures();
}

void FrmMain::showStatusLine() {
    const auto line = texts::statusLine(logic_.status(), logic_.decimalSeparator());
    const design::Colour colour =
        line.isMessage ? *design::kStatusLine.foreColour : design::kSystemWindowText;
    setColour(lblAviso_, QPalette::WindowText, units::toQColor(colour, palette()));
    const QString text = toQString(line.text);
    lblAviso_->setFont(fitted(statusFont_, text, lblAviso_->width()));
    lblAviso_->setText(text);
    txtDistancia_->setAccessibleDescription(lblAviso_->text());
}

void FrmMain::showResult() {
    const QString text = toQString(logic_.txtDistancia.Text);
    const int frame = txtDistancia_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QMargins margins = txtDistancia_->textMargins();
    const double room = txtDistancia_->width() - 2 * frame - 4 - margins.left() - margins.right();
    txtDistancia_->setFont(fitted(resultFont_, text, room));
    const design::Colour colour = logic_.status().resultIsCurrent()
                                      ? *design::control(Id::txtDistancia).foreColour
                                      : design::kOutOfDateGrey;
    setColour(txtDistancia_, QPalette::Text, units::toQColor(colour, palette()));
    txtDistancia_->setText(text);
    txtDistancia_->setCursorPosition(0);
}

QString FrmMain::statusLine() const {
    return lblAviso_->text();
}

// The result field is disabled, so its clicks come to the window: a right
// click over it offers to copy the result as shown.
void FrmMain::contextMenuEvent(QContextMenuEvent* event) {
    if (!txtDistancia_->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    if (!resultMenu_) {
        resultMenu_ = new QMenu(this);
        resultMenu_->setObjectName(QStringLiteral("resultMenu"));
        resultMenu_->addAction(toQString(texts::kCopy), this, [this] {
            QGuiApplication::clipboard()->setText(txtDistancia_->text());
        });
    }
    resultMenu_->popup(event->globalPos());
}

void FrmMain::repaintMovedPictures() {
    const QRectF area = rect();
    for (std::size_t i = 0; const auto& picture : diagram::picturesBottomToTop(logic_)) {
        Rect& shown = shownPictures_[i++];
        if (picture.twips == shown)
            continue;
        const QRectF before = diagram::visiblePart(units::toPixels(shown), area);
        const QRectF after = diagram::visiblePart(units::toPixels(picture.twips), area);
        for (const QRectF& moved : {before, after})
            if (!moved.isEmpty())
                update(moved.toAlignedRect().adjusted(-1, -1, 1, 1));
        shown = picture.twips;
    }
}

void FrmMain::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF window = rect();
    const QRectF dirty = event->rect();
    for (const auto& picture : diagram::picturesBottomToTop(logic_))
        picturePainter_.paint(painter, picture.name, units::toPixels(picture.twips), window, dirty);
}

}  // namespace lnb
