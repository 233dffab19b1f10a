// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "logic/checked_number.hpp"

namespace lnb {

// The three input fields, in tab order.
enum class Input { Vertical, Horizontal, Depth };
inline constexpr std::array<Input, 3> kInputs{Input::Vertical, Input::Horizontal, Input::Depth};

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
    explicit Picture(Rect design)
        : Left(design.left), Top(design.top), Width(design.width), Height(design.height) {}

    Rect rect() const { return {Left.value(), Top.value(), Width.value(), Height.value()}; }

    PictureProperty Left, Top, Width, Height;
};

// The six pictures, side view first, in the order of WindowState::pictures().
enum class PictureId { imgPlato1, imgLnb1, imgPalo1, imgPlato2, imgLnb2, imgPalo2 };

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

    Picture imgPlato1{{240, 2520, 1170, 6135}};
    Picture imgLnb1{{3000, 5400, 375, 375}};
    Picture imgPalo1{{1320, 5760, 1920, 2850}};
    Picture imgPlato2{{5640, 2760, 4860, 4875}};
    Picture imgLnb2{{7800, 4920, 375, 375}};
    Picture imgPalo2{{7800, 5280, 300, 2340}};

    std::int16_t Escala = 0;  // twips per unit of measurement

    // The six pictures, side view first.
    std::array<const Picture*, 6> pictures() const {
        return {&imgPlato1, &imgLnb1, &imgPalo1, &imgPlato2, &imgLnb2, &imgPalo2};
    }
    std::array<Rect, 6> pictureRects() const;
    const Picture& picture(PictureId id) const { return *pictures()[static_cast<std::size_t>(id)]; }

    // The input field the user types each figure into.
    const TextField& input(Input which) const;
    TextField& input(Input which);
};

}  // namespace lnb
