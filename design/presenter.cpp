// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/presenter.hpp"

#include <algorithm>

#include "design/texts.hpp"
#include "logic/numeric_text.hpp"
#include "logic/text_positions.hpp"

namespace lnb {
namespace {

using design::Id;
using design::Rgb;

// How a control's words are drawn besides its design: a result that no
// longer follows the figures, and the line under it as a message or as
// information.
enum class Tone { Designed, Stale, Message, Information };

// The room a text has in its control: a text field's less its border and margin.
double roomFor(const design::Control& control) {
    return control.width -
           (control.kind == design::Kind::TextField ? 2 * design::kTextFieldInset : 0);
}

double designedPointSize(const design::Control& control) {
    return control.font.pointSize > 0 ? control.font.pointSize : design::kFrmMain.font.pointSize;
}

}  // namespace

// Every colour the window shows is decided here: the design's own scheme, or,
// while the desktop asks for high contrast, the system's colours for every
// text and fill: window text on the window, the heading (an opaque label) in
// the highlight's. The drawings keep theirs.
class Presenter::Palette {
  public:
    Palette(const design::SystemColours& system, bool highContrast)
        : system_(system), highContrast_(highContrast) {}

    Rgb window() const {
        return highContrast_ ? system_.window : design::toRgb(design::kFrmMain.backColour, system_);
    }

    void paint(ShownControl& shown, const design::Control& control, Tone tone) const {
        if (highContrast_)
            inSystemColours(shown, control);
        else
            inDesignedColours(shown, control);
        if (tone == Tone::Stale)
            shown.fore =
                highContrast_ ? system_.grayText : design::toRgb(design::kOutOfDateGrey, system_);
        if (tone == Tone::Information)
            shown.fore = system_.windowText;
        // Disabled with its frame: the system's grey, as the platform draws it.
        if (control.kind == design::Kind::OptionButton && design::isDisabled(control))
            shown.fore = system_.grayText;
    }

  private:
    // A control without colours of its own takes the system's.
    void inDesignedColours(ShownControl& shown, const design::Control& control) const {
        shown.fore =
            control.foreColour ? design::toRgb(*control.foreColour, system_) : system_.windowText;
        shown.back =
            control.backColour ? design::toRgb(*control.backColour, system_) : system_.window;
    }
    void inSystemColours(ShownControl& shown, const design::Control& control) const {
        const bool heading =
            control.kind == design::Kind::Label && !(control.flags & design::kTransparent);
        shown.fore = heading ? system_.highlightText : system_.windowText;
        shown.back = heading ? system_.highlight : system_.window;
    }

    const design::SystemColours& system_;
    bool highContrast_;
};

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
        const Rect rect = state.picture(id).rect();
        view_.picturesBottomUp[i] = {id, design::pictureName(id), rect, rect};
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

Insertion Presenter::paste(Input input, int start, int length, std::string_view pasted) const {
    return insert(input, start, length, numeric_text::trimPasted(pasted));
}

Insertion Presenter::keypadDecimal(Input input, int start, int length) const {
    return insert(input, start, length, logic_.decimalSeparator());
}

// Within the field's text, and no longer than the field takes: what would
// not fit is left out, as the toolkits' fields do.
Insertion Presenter::insert(Input input, int start, int length, std::string_view text) const {
    const int units = text_positions::lengthInUtf16(logic_.state().input(input).Text);
    start = std::clamp(start, 0, units);
    length = std::clamp(length, 0, units - start);
    const std::string_view kept =
        text_positions::firstUnits(text, design::kLongestInput - (units - length));
    return {start, length, std::string(kept), start + text_positions::lengthInUtf16(kept)};
}

void Presenter::show(std::optional<Selection> selection) {
    const texts::StatusLine line = texts::statusLine(logic_.status(), logic_.decimalSeparator());
    const design::SystemColours& system = highContrast_ ? *highContrast_ : design::kClassicColours;
    const Palette palette(system, highContrast_.has_value());
    view_.system = system;
    view_.window.text = design::kFrmMain.caption;
    view_.window.fore = system.windowText;
    view_.window.back = palette.window();
    view_.window.pointSize = design::kFrmMain.font.pointSize;
    view_.selection = selection;
    for (const design::Control& control : design::kControls)
        showControl(view_.controls[static_cast<std::size_t>(control.id)], control, line, palette);
    for (ShownPicture& picture : view_.picturesBottomUp) {
        picture.before = picture.now;
        picture.now = logic_.state().picture(picture.id).rect();
    }
}

void Presenter::showControl(ShownControl& shown, const design::Control& control,
                            const texts::StatusLine& line, const Palette& palette) const {
    const WindowState& state = logic_.state();
    Tone tone = Tone::Designed;
    if (control.text) {
        shown.text = (state.*control.text).Text;
    } else if (control.id == Id::lblAviso) {
        shown.text = line.text;
        tone = line.isMessage ? Tone::Message : Tone::Information;
    } else {
        shown.text = control.caption;
    }
    if (control.id == Id::txtDistancia && !logic_.status().resultIsCurrent())
        tone = Tone::Stale;
    palette.paint(shown, control, tone);
    shown.pointSize = control.flags & design::kShrinksToFit
                          ? fittedPointSize(shown.text, control.font, roomFor(control), measure_)
                          : designedPointSize(control);
    shown.shown = !(control.flags & design::kHidden);
    shown.checked = (control.id == Id::Option1 && state.Option1.Value) ||
                    (control.id == Id::Option2 && state.Option2.Value);
    shown.tooltip = control.id == Id::Label4 ? texts::versionNote() : std::string();
    // Screen readers hear the unit with each figure, and the line under the
    // result with the result.
    shown.menu.clear();
    if (design::isInput(control.id)) {
        shown.description = texts::unitDescription(state.Option1.Value);
        shown.menu.push_back({std::string(texts::kCopyResult), state.txtDistancia.Text});
    } else if (control.id == Id::txtDistancia) {
        shown.description = line.text;
        shown.menu.push_back({std::string(texts::kCopy), state.txtDistancia.Text});
    } else {
        shown.description.clear();
    }
}

}  // namespace lnb
