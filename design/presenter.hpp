// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/texts.hpp"
#include "design/view.hpp"
#include "logic/frm_main_logic.hpp"

namespace lnb {

// How wide a window draws a text: the one thing the core cannot know.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // `text` (UTF-8) in `font` at `pointSize`, in twips.
    virtual double widthInTwips(std::string_view text, const design::Font& font,
                                double pointSize) const = 0;
};

// What a window keeps for its next start, by name: whether the pointing
// panel shows ("1" or "0"), and its five fields' texts (in kPanelInputs
// order). Each window keeps them its own way (settings file, registry,
// browser storage) under these names.
inline constexpr std::array<std::string_view, 6> kKeptNames{
    "ApuntarVisible", "Latitud", "Longitud", "Satelite", "Satelite2", "Satelite3"};
using Kept = std::vector<std::pair<std::string_view, std::string>>;

// How the user entered a field: by the keyboard (Tab, or at start-up) or by
// a click, which keeps the caret where it put it.
enum class Entry { Keyboard, Click };

// The core's face to a window: the window says what the user did, the
// presenter runs the handler and gives the view to show. It also decides
// what a paste or the keypad's decimal key puts into a field; the window
// applies that, and reports the field's new text as for any change.
class Presenter {
  public:
    // `measure` must outlive the presenter.
    Presenter(std::string decimalSeparator, const TextMeasure& measure);

    const View& load();
    // A field's new text, however it changed.
    const View& type(Input input, std::string_view text);
    // A field entered with its caret at `caret` (UTF-16 units).
    const View& enter(Input input, int caret, Entry entry);
    // The desktop's high-contrast colours while it asks for them, or nothing
    // for the design's own.
    const View& setHighContrast(std::optional<design::SystemColours> colours);
    // The pointing panel's button pressed: the panel shows, or hides.
    const View& togglePanel();
    // The place the browser gave (the page's button), in degrees north and
    // east; or why it gave none.
    const View& useLocation(double latitude, double longitude);
    const View& locationFailed(texts::LocationFailure failure);

    // A value the window kept from its last run, by its name (kKeptNames),
    // before load(): taken where it reads as what that name keeps, dropped
    // otherwise, whatever it holds.
    void restore(std::string_view name, std::string_view value);
    // What to keep now, by name.
    Kept kept() const;

    // `pasted` (a paste, or text dropped) over the selection [start, start +
    // length) of a field (UTF-16 units): without the line breaks and tabs
    // around it (a spreadsheet cell or a terminal line copied whole), and no
    // more of it than the field takes.
    Insertion paste(Input input, int start, int length, std::string_view pasted) const;
    // The keypad's decimal key over the selection: the locale's separator,
    // whatever the keyboard layout puts on the key, as spreadsheets do.
    Insertion keypadDecimal(Input input, int start, int length) const;

    const View& view() const { return view_; }
    const FrmMainLogic& logic() const { return logic_; }

  private:
    class Palette;
    struct Said;

    void show(std::optional<Selection> selection = std::nullopt);
    void showPictures();
    void showControl(ShownControl& shown, const design::Control& control, const Said& said,
                     const Palette& palette) const;
    std::string textOf(const design::Control& control, const Said& said) const;
    void describe(ShownControl& shown, const design::Control& control, const Said& said) const;
    Insertion insert(Input input, int start, int length, std::string_view text) const;

    FrmMainLogic logic_;
    const TextMeasure& measure_;
    std::optional<design::SystemColours> highContrast_;
    std::string locationNote_;  // why the browser gave no place, until the place is typed
    View view_;
};

// The largest size, down from the design's in quarter points to the floor,
// at which `text` fits `room` twips across.
double fittedPointSize(std::string_view text, const design::Font& font, double room,
                       const TextMeasure& measure);

}  // namespace lnb
