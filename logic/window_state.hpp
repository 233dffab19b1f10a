// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "logic/checked_number.hpp"

namespace lnb {

// The fields the user types into, in tab order: the dish's three figures,
// then the pointing panel's place and satellites.
enum class Input {
    Vertical,
    Horizontal,
    Depth,
    Latitude,
    Longitude,
    Satellite,
    Satellite2,
    Satellite3
};
inline constexpr std::array<Input, 3> kFigures{Input::Vertical, Input::Horizontal, Input::Depth};
inline constexpr std::array<Input, 5> kPanelInputs{
    Input::Latitude, Input::Longitude, Input::Satellite, Input::Satellite2, Input::Satellite3};
inline constexpr std::array<Input, 8> kInputs{
    Input::Vertical,  Input::Horizontal, Input::Depth,      Input::Latitude,
    Input::Longitude, Input::Satellite,  Input::Satellite2, Input::Satellite3};
constexpr bool isFigure(Input input) {
    return input == Input::Vertical || input == Input::Horizontal || input == Input::Depth;
}

// A text field of the window: its text and, for the input fields, the
// selection, counted in characters (code points of the UTF-8 text).
struct TextField {
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
};

// The length of a UTF-8 text in characters, as a selection counts it.
int characterCount(std::string_view text);

struct OptionButton {
    bool Value = false;
};

// A button that stays down while what it shows is shown.
struct ToggleButton {
    bool Value = false;
};

// One single-precision picture property (Left, Top, Width or Height), in twips.
// Expressions read it exactly; a write rounds the result to single precision.
class PictureProperty {
  public:
    explicit PictureProperty(float value) : value_(value) {}

    float value() const { return value_; }
    operator Checked() const { return value_; }  // NOLINT: properties read into expressions

    // Stores a complete expression. One that failed, or whose value does not
    // fit a single-precision property (which refuses it), is recorded in
    // `failure` instead: the property keeps its value and false comes back.
    [[nodiscard]] bool set(const Checked& expression, Outcome& failure);

  private:
    float value_;
};

struct Rect {
    float left, top, width, height;
    bool operator==(const Rect&) const = default;
};

struct Picture {
    explicit Picture(Rect design, bool visible = true)
        : Left(design.left),
          Top(design.top),
          Width(design.width),
          Height(design.height),
          Visible(visible) {}

    Rect rect() const { return {Left.value(), Top.value(), Width.value(), Height.value()}; }

    PictureProperty Left, Top, Width, Height;
    bool Visible;
};

// The pictures, in the order of WindowState::pictures(): the design's six,
// side view first, then the front view's further LNBs, for the pointing
// panel's second and third satellites.
enum class PictureId {
    imgPlato1,
    imgLnb1,
    imgPalo1,
    imgPlato2,
    imgLnb2,
    imgPalo2,
    imgLnb3,
    imgLnb4
};
inline constexpr std::size_t kPictureCount = 8;
inline constexpr std::array<PictureId, 2> kOtherLnbs{PictureId::imgLnb3, PictureId::imgLnb4};

// Everything the handlers read and write: the window's controls as they are
// when the window is created, and its scale. These are the only starting
// texts of the six text fields: the example figures, and "Text1" in the three
// that Load overwrites; both windows show them from here.
struct WindowState {
    TextField txtHorizontal{"80"};
    TextField txtVertical{"80"};
    TextField txtProfundidad{"10"};
    TextField txtMedDiametro{"Text1"};
    TextField txtMedProfundidad{"Text1"};
    TextField txtDistancia{"Text1"};

    OptionButton Option1;
    OptionButton Option2;

    // The pointing panel: whether it shows, its place and satellites.
    ToggleButton cmdApuntar;
    TextField txtLatitud;
    TextField txtLongitud;
    TextField txtSatelite;
    TextField txtSatelite2;
    TextField txtSatelite3;

    Picture imgPlato1{{240, 2520, 1170, 6135}};
    Picture imgLnb1{{3000, 5400, 375, 375}};
    Picture imgPalo1{{1320, 5760, 1920, 2850}};
    Picture imgPlato2{{5640, 2760, 4860, 4875}};
    Picture imgLnb2{{7800, 4920, 375, 375}};
    Picture imgPalo2{{7800, 5280, 300, 2340}};
    // Shown where the panel places them, beside imgLnb2 and as large.
    Picture imgLnb3{{7800, 4920, 375, 375}, false};
    Picture imgLnb4{{7800, 4920, 375, 375}, false};

    std::int16_t Escala = 0;  // twips per unit of measurement

    // The pictures, by PictureId.
    std::array<const Picture*, kPictureCount> pictures() const {
        return {&imgPlato1, &imgLnb1,  &imgPalo1, &imgPlato2,
                &imgLnb2,   &imgPalo2, &imgLnb3,  &imgLnb4};
    }
    std::array<Rect, kPictureCount> pictureRects() const;
    const Picture& picture(PictureId id) const { return *pictures()[static_cast<std::size_t>(id)]; }
    Picture& picture(PictureId id) {
        return const_cast<Picture&>(std::as_const(*this).picture(id));
    }

    // The input field the user types each figure into.
    const TextField& input(Input which) const;
    TextField& input(Input which);
    // The pointing panel's five texts, in kPanelInputs order.
    std::array<std::string_view, kPanelInputs.size()> panelTexts() const;
};

}  // namespace lnb
