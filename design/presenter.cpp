// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/presenter.hpp"

#include <algorithm>
#include <cmath>

#include "design/texts.hpp"
#include "logic/numeric_text.hpp"
#include "logic/text_positions.hpp"

namespace lnb {
namespace {

using design::Id;
using design::Rgb;

// How a control's words are drawn besides its design: a result that no
// longer follows the figures, the message under it, and a button held down.
enum class Tone { Designed, Stale, Message, Pressed };

// The room a text has in its control: a text field's less its border and margin.
double roomFor(const design::Control& control) {
    return control.width -
           (control.kind == design::Kind::TextField ? 2 * design::kTextFieldInset : 0);
}

std::optional<DishSheet> sheetOf(const FrmMainLogic& logic) {
    return logic.sheet() ? std::optional(logic.sheet()->sheet) : std::nullopt;
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
        // Held down, in the heading's colours.
        if (tone == Tone::Pressed)
            inHeadingColours(shown);
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
        if (heading)
            return inHeadingColours(shown);
        shown.fore = system_.windowText;
        shown.back = system_.window;
    }
    void inHeadingColours(ShownControl& shown) const {
        if (!highContrast_)
            return inDesignedColours(shown, design::control(Id::Label3));
        shown.fore = system_.highlightText;
        shown.back = system_.highlight;
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
        const Picture& picture = state.picture(id);
        view_.picturesBottomUp[i] = {id,
                                     design::pictureName(id),
                                     design::pictureName(design::drawingOf(id)),
                                     picture.rect(),
                                     picture.rect(),
                                     picture.Visible,
                                     picture.Visible};
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
    if (input == Input::Latitude || input == Input::Longitude)
        locationNote_.clear();  // the user has the place in hand
    show();
    return view_;
}

const View& Presenter::setHighContrast(std::optional<design::SystemColours> colours) {
    highContrast_ = colours;
    show();
    return view_;
}

const View& Presenter::togglePanel() {
    logic_.showPanel(!logic_.state().cmdApuntar.Value);
    show();
    return view_;
}

const View& Presenter::useLocation(double latitude, double longitude) {
    if (!(std::abs(latitude) <= 90 && std::abs(longitude) <= 180))
        return locationFailed(texts::LocationFailure::Unavailable);
    locationNote_.clear();
    const std::string& separator = logic_.decimalSeparator();
    logic_.type(Input::Latitude, texts::degreesText(latitude, degrees::Axis::Latitude, separator));
    logic_.type(Input::Longitude,
                texts::degreesText(longitude, degrees::Axis::Longitude, separator));
    show();
    return view_;
}

const View& Presenter::locationFailed(texts::LocationFailure failure) {
    locationNote_ = texts::locationNote(failure);
    show();
    return view_;
}

void Presenter::restore(std::string_view name, std::string_view value) {
    if (name == kKeptNames[0]) {
        if (value == "1" || value == "0")
            logic_.showPanel(value == "1");
        return;
    }
    for (std::size_t i = 1; i < kKeptNames.size(); ++i) {
        if (name == kKeptNames[i] && text_positions::isPlainText(value) &&
            text_positions::lengthInUtf16(value) <= design::kLongestInput)
            logic_.type(kPanelInputs[i - 1], std::string(value));
    }
}

Kept Presenter::kept() const {
    const WindowState& state = logic_.state();
    Kept kept{{kKeptNames[0], state.cmdApuntar.Value ? "1" : "0"}};
    const auto texts = state.panelTexts();
    for (std::size_t i = 1; i < kKeptNames.size(); ++i)
        kept.emplace_back(kKeptNames[i], texts[i - 1]);
    return kept;
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

// What a handler's outcome shows besides the fields' texts: the line under
// the result, the dish sheet, the pointing panel's lines, and the sheet as
// "Copiar la ficha" copies it.
struct Presenter::Said {
    std::string line;
    std::optional<texts::SheetText> sheet;
    std::array<std::string, 4> panel;
    std::string copied;
    bool current;
};

void Presenter::show(std::optional<Selection> selection) {
    const WindowState& state = logic_.state();
    const Status& status = logic_.status();
    const std::string& separator = logic_.decimalSeparator();
    Said said{texts::statusLine(status, separator), std::nullopt,
              texts::panelLines(logic_.panel(), separator),
              texts::copiedSheet(
                  {state.txtVertical.Text, state.txtHorizontal.Text, state.txtProfundidad.Text},
                  state.txtDistancia.Text, sheetOf(logic_), separator),
              status.resultIsCurrent()};
    if (logic_.sheet())
        said.sheet = texts::sheetText(logic_.sheet()->sheet, separator);
    if (state.cmdApuntar.Value)
        said.copied += texts::copiedPanel(state.panelTexts(), said.panel);
    const design::SystemColours& system = highContrast_ ? *highContrast_ : design::kClassicColours;
    const Palette palette(system, highContrast_.has_value());
    view_.system = system;
    view_.window.text = design::kFrmMain.caption;
    view_.window.fore = system.windowText;
    view_.window.back = palette.window();
    view_.window.pointSize = design::kFrmMain.font.pointSize;
    view_.clientSize = design::clientSize(state.cmdApuntar.Value);
    view_.selection = selection;
    for (const design::Control& control : design::kControls)
        showControl(view_.controls[static_cast<std::size_t>(control.id)], control, said, palette);
    showPictures();
}

// Each picture where the state has it; where one moved, showed or hid, both
// its places are to be painted again.
void Presenter::showPictures() {
    view_.repaint.clear();
    for (ShownPicture& picture : view_.picturesBottomUp) {
        const Picture& now = logic_.state().picture(picture.id);
        picture.before = picture.now;
        picture.shownBefore = picture.shown;
        picture.now = now.rect();
        picture.shown = now.Visible;
        if (!picture.moved())
            continue;
        if (picture.shownBefore)
            view_.repaint.push_back(picture.before);
        if (picture.shown)
            view_.repaint.push_back(picture.now);
    }
}

void Presenter::showControl(ShownControl& shown, const design::Control& control, const Said& said,
                            const Palette& palette) const {
    const WindowState& state = logic_.state();
    shown.text = textOf(control, said);
    shown.checked = (control.id == Id::Option1 && state.Option1.Value) ||
                    (control.id == Id::Option2 && state.Option2.Value) ||
                    (control.id == Id::cmdApuntar && state.cmdApuntar.Value);
    Tone tone = Tone::Designed;
    if (control.id == Id::lblAviso)
        tone = Tone::Message;
    if (control.id == Id::txtDistancia && !said.current)
        tone = Tone::Stale;
    if (control.kind == design::Kind::Button && shown.checked)
        tone = Tone::Pressed;
    palette.paint(shown, control, tone);
    shown.shown = !(control.flags & design::kHidden);
    // The sheet shows only where there is one, and only the lines it has.
    if (control.id == Id::fraFicha || control.container == Id::fraFicha)
        shown.shown = said.sheet && !shown.text.empty();
    if (design::inPanel(control))
        shown.shown = state.cmdApuntar.Value;
    // Fitted when it shows: measuring is most of a first view's work.
    shown.pointSize = control.flags & design::kShrinksToFit && shown.shown
                          ? fittedPointSize(shown.text, control.font, roomFor(control), measure_)
                          : designedPointSize(control);
    shown.tooltip = control.id == Id::Label4 ? texts::versionNote() : std::string();
    describe(shown, control, said);
}

std::string Presenter::textOf(const design::Control& control, const Said& said) const {
    if (control.text)
        return (logic_.state().*control.text).Text;
    if (control.id == Id::lblAviso)
        return said.line;
    if (said.sheet && control.id == Id::fraFicha)
        return said.sheet->caption;
    for (std::size_t line = 0; line < design::kSheetLines.size(); ++line) {
        if (control.id == design::kSheetLines[line])
            return said.sheet ? said.sheet->lines[line] : std::string();
    }
    for (std::size_t line = 0; line < design::kPanelLines.size(); ++line) {
        if (control.id == design::kPanelLines[line])
            return said.panel[line];
    }
    if (control.id == Id::lblNotacion)
        return texts::degreesNotation(logic_.decimalSeparator());
    if (control.id == Id::lblUbicacion)
        return locationNote_;
    return std::string(control.caption);
}

// Screen readers hear the unit with each figure, and the line under the
// result with the result. The figures' menus and the result's copy the
// result as shown and the sheet, only while the result follows the figures:
// a grey result is not one to write down.
void Presenter::describe(ShownControl& shown, const design::Control& control,
                         const Said& said) const {
    const WindowState& state = logic_.state();
    const CopyEntry copySheet{std::string(texts::kCopySheet), said.copied, said.current};
    shown.menu.clear();
    shown.description.clear();
    if (!design::isDescribed(control))
        return;
    if (const auto input = design::inputOf(control.id)) {
        shown.description = isFigure(*input) ? texts::unitDescription(state.Option1.Value)
                                             : texts::degreesDescription(*input);
        shown.menu = {{std::string(texts::kCopyResult), state.txtDistancia.Text, said.current},
                      copySheet};
    } else {
        shown.description = said.line;
        shown.menu = {{std::string(texts::kCopy), state.txtDistancia.Text, said.current},
                      copySheet};
    }
}

}  // namespace lnb
