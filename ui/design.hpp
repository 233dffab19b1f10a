#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The design-time description of the main window, in twips as the design
// gives them. Nothing here knows about Qt; units.hpp turns it into pixels.
namespace lnb::design {

enum class Kind { Frame, Label, TextField, OptionButton };

// A colour as the design states it: 0x00BBGGRR, or a system colour when the
// top bit is set.
using Colour = std::uint32_t;
inline constexpr Colour kSystemWindowBackground = 0x80000005;
inline constexpr Colour kSystemWindowText = 0x80000008;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kLightGrey = 0x00E0E0E0;
inline constexpr Colour kDarkGreen = 0x00008000;
inline constexpr Colour kDarkRed = 0x000000B0;

struct Font {
    double pointSize;  // 0: the window's font
    bool bold = false;
    bool italic = false;
};
inline constexpr Font kDefaultFont{0};

enum Flags : unsigned {
    kNone = 0,
    kDisabled = 1u << 0,
    kHidden = 1u << 1,
    kTransparent = 1u << 2,  // a label that draws only its caption
    kSingleBorder = 1u << 3,
    kCentred = 1u << 4,
};

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view container;  // "frmMain" or a frame's name
    std::string_view caption;
    int left, top, width, height;  // twips, from the container's top left corner
    Font font;
    std::optional<Colour> foreColour;  // empty: the platform's default
    std::optional<Colour> backColour;
    int tabIndex;
    unsigned flags;
};

struct Window {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;  // twips
    Colour backColour;
    Font font;  // used by every control that has no font of its own
};

extern const Window kFrmMain;

// The controls in the order of their tab index.
extern const std::array<Control, 16> kControls;

// Where the window tells the user why the result is not current. Not one of
// the design's controls: a label of ours that sits under the result.
extern const Control kAviso;

// The labels and pictures that the window draws on its own surface, from the
// top of the stack to the bottom. Frames, text fields and option buttons lie
// above all of them.
extern const std::array<std::string_view, 9> kSurfaceStacking;

const Control& control(std::string_view name);

}  // namespace lnb::design
