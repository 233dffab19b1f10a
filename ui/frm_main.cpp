#include "frm_main.hpp"

#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "application.hpp"
#include "design.hpp"
#include "diagram.hpp"
#include "frame.hpp"
#include "input_field.hpp"
#include "messages.hpp"
#include "numeric_text.hpp"
#include "units.hpp"

namespace lnb {
namespace {

constexpr double kSmallestResultPointSize = 5.0;
const QColor kOutOfDate(128, 128, 128);

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

// Fore and back colours, font, position, name and state, as the design says.
void applyDesign(QWidget* widget, const design::Control& control, const QFont& windowFont) {
    widget->setObjectName(toQString(control.name));
    widget->setFont(units::toQFont(control.font, windowFont));
    widget->setGeometry(units::toPixels(control));
    if (control.flags & design::kDisabled)
        widget->setEnabled(false);
    if (control.flags & design::kHidden)
        widget->setVisible(false);
}

QString captionOf(const design::Control& control) {
    return toQString(control.caption);
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
    setColour(option, QPalette::WindowText,
              units::toQColor(*control.foreColour, option->palette()));
    setBackground(option, units::toQColor(*control.backColour, option->palette()));
    return option;
}

QLineEdit* createTextField(QWidget* parent, const design::Control& control) {
    const bool input = control.container != "frmMain";  // the inputs sit in frames
    QLineEdit* field = input ? new InputField(captionOf(control), parent)
                             : new QLineEdit(captionOf(control), parent);
    if (control.foreColour)
        setColour(field, QPalette::Text, units::toQColor(*control.foreColour, field->palette()));
    // A disabled field keeps its white background, as its design colours say.
    setColour(field, QPalette::Base, field->palette().color(QPalette::Active, QPalette::Base));
    if (control.flags & design::kCentred)
        field->setAlignment(Qt::AlignCenter);
    if (!input)
        field->setFocusPolicy(Qt::NoFocus);
    return field;
}

}  // namespace

FrmMain::FrmMain(QWidget* parent)
    : QWidget(parent), logic_(QLocale().decimalPoint().toStdString()) {
    setObjectName(toQString(design::kFrmMain.name));
    setWindowTitle(toQString(design::kFrmMain.caption));
    resize(qRound(units::toPixels(design::kFrmMain.clientWidth)),
           qRound(units::toPixels(design::kFrmMain.clientHeight)));
    setBackground(this, units::toQColor(design::kFrmMain.backColour, palette()));
    setFont(units::toQFont(design::kFrmMain.font, font()));
    setWindowIcon(programIcon());
    createControls();
    findChild<QLabel*>("Label4")->setToolTip(versionNote());
    setTabOrder();
    for (const Input& input : inputs_) bindInput(input);
    for (std::size_t i = 0; const auto& picture : diagram::picturesBottomToTop(logic_))
        shownPictures_[i++] = picture.twips;
}

void FrmMain::createControls() {
    // Labels lie under the frames, fields and buttons: create them first, the
    // lowest first, so that later siblings stack above them.
    for (auto name = design::kSurfaceStacking.rbegin(); name != design::kSurfaceStacking.rend();
         ++name) {
        if (name->starts_with("img"))
            continue;
        const auto& control = design::control(*name);
        applyDesign(createLabel(this, control), control, font());
    }
    lblAviso_ = createLabel(this, design::kAviso);
    applyDesign(lblAviso_, design::kAviso, font());
    lblAviso_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    for (const auto& control : design::kControls) {
        if (control.kind == design::Kind::Label && control.container == "frmMain")
            continue;
        QWidget* parent = containerOf(control);
        QWidget* widget = nullptr;
        switch (control.kind) {
            case design::Kind::Frame:
                widget = createFrame(parent, control);
                break;
            case design::Kind::Label:
                widget = createLabel(parent, control);
                break;
            case design::Kind::TextField:
                widget = createTextField(parent, control);
                break;
            case design::Kind::OptionButton:
                widget = createOption(parent, control);
                break;
        }
        applyDesign(widget, control, font());
    }

    auto input = [this](const char* name) { return findChild<InputField*>(name); };
    inputs_ = {
        Input{input("txtVertical"), &FrmMainLogic::txtVertical, &FrmMainLogic::txtVertical_Change,
              &FrmMainLogic::txtVertical_GotFocus, captionOf(design::control("Label1"))},
        Input{input("txtHorizontal"), &FrmMainLogic::txtHorizontal,
              &FrmMainLogic::txtHorizontal_Change, &FrmMainLogic::txtHorizontal_GotFocus,
              captionOf(design::control("Label2"))},
        Input{input("txtProfundidad"), &FrmMainLogic::txtProfundidad,
              &FrmMainLogic::txtProfundidad_Change, &FrmMainLogic::txtProfundidad_GotFocus,
              captionOf(design::control("Frame2"))}};
    txtMedDiametro_ = findChild<QLineEdit*>("txtMedDiametro");
    txtMedProfundidad_ = findChild<QLineEdit*>("txtMedProfundidad");
    txtDistancia_ = findChild<QLineEdit*>("txtDistancia");
    option1_ = findChild<QRadioButton*>("Option1");
    option2_ = findChild<QRadioButton*>("Option2");
}

QWidget* FrmMain::containerOf(const design::Control& control) {
    if (control.container == design::kFrmMain.name)
        return this;
    return findChild<QWidget*>(toQString(control.container));
}

// Tab goes through the controls by tab index; only the inputs take the focus.
void FrmMain::setTabOrder() {
    QWidget* previous = nullptr;
    for (const auto& control : design::kControls) {
        auto* widget = findChild<QWidget*>(toQString(control.name));
        if (!qobject_cast<InputField*>(widget)) {
            if (control.kind != design::Kind::TextField)
                widget->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FrmMain::bindInput(const Input& input) {
    connect(input.widget, &QLineEdit::textChanged, this,
            [this, input](const QString& text) { onTextChanged(input, text); });
    connect(input.widget, &InputField::entered, this,
            [this, input](Qt::FocusReason reason) { onEntered(input, reason); });
}

void FrmMain::Form_Load() {
    runHandler([this] { logic_.Form_Load(); });
    showState();
    inputs_.front().widget->setFocus(Qt::OtherFocusReason);
}

void FrmMain::onTextChanged(const Input& input, const QString& text) {
    (logic_.*input.field).Text = text.toStdString();
    runHandler([this, &input] { (logic_.*input.change)(); });
    showState();
}

// Entering a field selects from the caret to the end; a click keeps the caret
// where it put it.
void FrmMain::onEntered(const Input& input, Qt::FocusReason reason) {
    TextField& field = logic_.*input.field;
    const QString text = input.widget->text();
    field.SelStart = toCharacters(text, input.widget->caretWhenLeft());
    (logic_.*input.gotFocus)();
    if (reason == Qt::MouseFocusReason)
        return;
    const int start = toUtf16(text, field.SelStart);
    const int end = toUtf16(text, field.SelStart + field.SelLength);
    input.widget->setCursorPosition(start);
    if (end > start)
        input.widget->setSelection(start, end - start);
}

void FrmMain::runHandler(const std::function<void()>& handler) {
    try {
        handler();
        lastFailure_.reset();
    } catch (const CalcFailure& failure) {
        // The steps taken before the failure stay; the user is told below.
        lastFailure_ = failure.kind();
    }
}

void FrmMain::showState() {
    txtMedDiametro_->setText(toQString(logic_.txtMedDiametro.Text));
    txtMedProfundidad_->setText(toQString(logic_.txtMedProfundidad.Text));
    option1_->setChecked(logic_.Option1.Value);
    option2_->setChecked(logic_.Option2.Value);
    showMessage();
    showResult();
    repaintMovedPictures();
}

void FrmMain::showMessage() {
    QString text;
    if (lastFailure_) {
        text = messages::forFailure(*lastFailure_);
    } else {
        for (const Input& input : inputs_) {
            if (!numeric_text::isNumeric((logic_.*input.field).Text, logic_.decimalSeparator())) {
                text = messages::notANumber(input.caption);
                break;
            }
        }
    }
    resultIsCurrent_ = text.isEmpty();
    lblAviso_->setText(text);
}

// The whole result always shows: a long one gets a smaller font, never cut.
void FrmMain::showResult() {
    const QString text = toQString(logic_.txtDistancia.Text);
    const auto& design = design::control("txtDistancia");
    QFont font = units::toQFont(design.font, this->font());
    const int frame = txtDistancia_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QMargins margins = txtDistancia_->textMargins();
    const double room = txtDistancia_->width() - 2 * frame - 4 - margins.left() - margins.right();
    while (QFontMetricsF(font).horizontalAdvance(text) > room &&
           font.pointSizeF() > kSmallestResultPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    txtDistancia_->setFont(font);
    const QColor colour =
        resultIsCurrent_ ? units::toQColor(*design.foreColour, palette()) : kOutOfDate;
    setColour(txtDistancia_, QPalette::Text, colour);
    txtDistancia_->setText(text);
    txtDistancia_->setCursorPosition(0);
}

QString FrmMain::message() const {
    return lblAviso_->text();
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
