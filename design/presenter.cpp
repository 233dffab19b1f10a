// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/presenter.hpp"

#include <algorithm>

#include "design/texts.hpp"
#include "logic/text_positions.hpp"

namespace lnb {
namespace {

using design::Id;

const TextField* textFieldOf(Id id, const WindowState& state) {
    switch (id) {
        case Id::txtVertical:
            return &state.txtVertical;
        case Id::txtHorizontal:
            return &state.txtHorizontal;
        case Id::txtProfundidad:
            return &state.txtProfundidad;
        case Id::txtMedDiametro:
            return &state.txtMedDiametro;
        case Id::txtMedProfundidad:
            return &state.txtMedProfundidad;
        case Id::txtDistancia:
            return &state.txtDistancia;
        default:
            return nullptr;
    }
}

// A control as the design draws it. A text field without colours of its
// own takes the system's; an option button disabled with its frame shows
// its caption in the system's grey. In high contrast every text and fill
// takes the system's colours: window text on the window, the heading (the
// opaque label) in the highlight's.
ShownText designed(const design::Control& control, const WindowState& state,
                   const design::SystemColours& system, bool highContrast) {
    ShownText shown;
    const TextField* field = textFieldOf(control.id, state);
    shown.text = field ? field->Text : std::string(control.caption);
    shown.fore =
        control.foreColour ? design::toRgb(*control.foreColour, system) : system.windowText;
    shown.back = control.backColour ? design::toRgb(*control.backColour, system) : system.window;
    if (highContrast) {
        const bool heading =
            control.kind == design::Kind::Label && !(control.flags & design::kTransparent);
        shown.fore = heading ? system.highlightText : system.windowText;
        shown.back = heading ? system.highlight : system.window;
    }
    if (control.kind == design::Kind::OptionButton && design::isDisabled(control))
        shown.fore = system.grayText;
    shown.pointSize =
        control.font.pointSize > 0 ? control.font.pointSize : design::kFrmMain.font.pointSize;
    return shown;
}

}  // namespace

double fittedPointSize(std::string_view text, const design::Font& font, double room,
                       const TextMeasure& measure) {
    double size = font.pointSize;
    while (size - design::kFittingStep >= design::kSmallestFittedPointSize &&
           measure.widthInTwips(text, font, size) > room)
        size -= design::kFittingStep;
    return size;
}

Presenter::Presenter(std::string decimalSeparator, const TextMeasure& measure)
    : logic_(std::move(decimalSeparator)), measure_(measure) {
    const WindowState& state = logic_.state();
    for (std::size_t i = 0; i < view_.picturesBottomUp.size(); ++i) {
        const PictureId id = design::kPicturesTopDown[view_.picturesBottomUp.size() - 1 - i];
        const Picture& picture = state.picture(id);
        view_.picturesBottomUp[i] = {id, design::pictureName(id), picture.rect(), picture.rect()};
    }
    show();
}

const View& Presenter::load() {
    logic_.Form_Load();
    show();
    return view_;
}

const View& Presenter::type(Input input, std::string_view text) {
    logic_.type(input, std::string(text));
    show();
    return view_;
}

const View& Presenter::setHighContrast(std::optional<design::SystemColours> colours) {
    highContrast_ = colours;
    show();
    return view_;
}

const View& Presenter::enter(Input input, int caret, Entry entry) {
    const std::string& text = logic_.state().input(input).Text;
    logic_.enter(input, text_positions::toCharacters(text, caret));
    std::optional<Selection> selection;
    if (entry == Entry::Keyboard) {
        const TextField& field = logic_.state().input(input);
        const int start = text_positions::toUtf16(text, field.SelStart);
        const int end = text_positions::toUtf16(text, field.SelStart + field.SelLength);
        selection = Selection{input, start, end - start};
    }
    show(selection);
    return view_;
}

void Presenter::show(std::optional<Selection> selection) {
    const WindowState& state = logic_.state();
    const Status& status = logic_.status();
    const bool highContrast = highContrast_.has_value();
    const design::SystemColours& system = highContrast ? *highContrast_ : design::kClassicColours;
    View& view = view_;
    view.system = system;
    for (const design::Control& control : design::kControls) {
        view.controls[static_cast<std::size_t>(control.id)] =
            designed(control, state, system, highContrast);
    }

    view.window = {
        std::string(design::kFrmMain.caption), system.windowText,
        highContrast ? system.window : design::toRgb(design::kFrmMain.backColour, system),
        design::kFrmMain.font.pointSize};

    const design::Control& resultControl = design::control(Id::txtDistancia);
    ShownText& result = view.controls[static_cast<std::size_t>(Id::txtDistancia)];
    const design::Rgb current =
        highContrast ? system.windowText : design::toRgb(*resultControl.foreColour, system);
    const design::Rgb outOfDate =
        highContrast ? system.grayText : design::toRgb(design::kOutOfDateGrey, system);
    result.fore = status.resultIsCurrent() ? current : outOfDate;
    result.pointSize = fittedPointSize(result.text, resultControl.font,
                                       resultControl.width - 2 * design::kTextFieldInset, measure_);

    const auto line = texts::statusLine(status, logic_.decimalSeparator());
    const design::Control& lineControl = design::kStatusLine;
    view.statusLine = {line.text,
                       line.isMessage && !highContrast
                           ? design::toRgb(*lineControl.foreColour, system)
                           : system.windowText,
                       view.window.back,
                       fittedPointSize(line.text, lineControl.font, lineControl.width, measure_)};
    view.resultDescription = line.text;
    view.inputDescription = texts::unitDescription(state.Option1.Value);
    view.optionsSelected = {state.Option1.Value, state.Option2.Value};
    view.selection = selection;

    for (ShownPicture& picture : view.picturesBottomUp) {
        picture.before = picture.now;
        picture.now = state.picture(picture.id).rect();
    }
}

}  // namespace lnb
