// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "logic/status.hpp"
#include "logic/window_state.hpp"

// The design-time description of the main window, in twips as the design
// gives them. No toolkit here: each window turns it into its own units in one
// place (15 twips a pixel at 96 DPI).
namespace lnb::design {

enum class Kind { Frame, Label, TextField, OptionButton, Button };

// The controls, named as the design names them, in tab order: the design's
// sixteen, then the window's own: the line under the result, the dish
// sheet's frame with its lines, and the pointing panel's button, frame,
// fields and lines.
enum class Id {
    Frame1,
    Label1,
    txtVertical,
    Label2,
    txtHorizontal,
    Frame2,
    txtProfundidad,
    Medida,
    Option1,
    Option2,
    txtMedDiametro,
    txtMedProfundidad,
    txtDistancia,
    Label3,
    Label4,
    Label5,
    lblAviso,  // why the result does not follow the figures
    fraFicha,  // the dish sheet: what installers put on the tape
    lblFicha1,
    lblFicha2,
    lblFicha3,
    cmdApuntar,  // shows and hides the pointing panel
    fraApuntar,  // the pointing panel
    lblLatitud,
    txtLatitud,
    lblLongitud,
    txtLongitud,
    lblSatelite,
    txtSatelite,
    lblSatelite2,
    txtSatelite2,
    lblSatelite3,
    txtSatelite3,
    lblApunte1,    // where the dish points
    lblApunte2,    // how its face tilts, how the LNB turns
    lblApunte3,    // where the second satellite's LNB goes
    lblApunte4,    // the third's
    lblNotacion,   // how degrees are written (where the page has its location button)
    cmdUbicacion,  // the page's: the place from the browser
    lblUbicacion,  // why the browser gave no place
    frmMain,       // the window itself, as a container
};

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
// A result that no longer follows the figures.
inline constexpr Colour kOutOfDateGrey = 0x00808080;

// A colour as it is drawn: 0xRRGGBB.
using Rgb = std::uint32_t;

// The system colours: the two the design names, and those the toolkits draw
// their own controls with (borders, selections, tooltips).
struct SystemColours {
    Rgb window;      // the window background
    Rgb windowText;  // the window text
    Rgb grayText;    // disabled text
    Rgb highlight;   // selected text, behind it
    Rgb highlightText;
    Rgb face;        // the face of a three-dimensional control
    Rgb shadow;      // the dark line of an etched or sunken edge
    Rgb light;       // its light line
    Rgb darkShadow;  // the outer dark line of a raised edge
    Rgb infoBack;    // tooltips
    Rgb infoText;
    bool operator==(const SystemColours&) const = default;
};

// The classic light scheme the design was drawn in: whatever the desktop's
// theme, the window shows these.
inline constexpr SystemColours kClassicColours{
    .window = 0xFFFFFF,
    .windowText = 0x000000,
    .grayText = 0x808080,
    .highlight = 0x000080,
    .highlightText = 0xFFFFFF,
    .face = 0xC0C0C0,
    .shadow = 0x808080,
    .light = 0xFFFFFF,
    .darkShadow = 0x404040,
    .infoBack = 0xFFFFE1,
    .infoText = 0x000000,
};

// A design colour as drawn, system colours taken from `system`.
constexpr Rgb toRgb(Colour colour, const SystemColours& system) {
    switch (colour) {
        case kSystemWindowBackground:
            return system.window;
        case kSystemWindowText:
            return system.windowText;
        default:
            return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
    }
}

// Every font of the design is "MS Sans Serif"; a window uses the first of
// these that the system has as a scalable font, the design's own first and
// then its metric-compatible stand-ins.
inline constexpr std::array<std::string_view, 5> kFontFamilies{
    "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"};

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
    kShrinksToFit = 1u << 5,  // a text too long for the control is drawn smaller
    // A control with a menu of its own (the result): a right click over it
    // opens it though the control is disabled, and the page gives it a button.
    kOwnMenu = 1u << 6,
    kToggle = 1u << 7,       // a button that stays down while what it shows is shown
    kPageOnly = 1u << 8,     // only the web page has it (the browser's place)
    kDesktopOnly = 1u << 9,  // only the desktop windows have it, where the page has its own
};

struct Control {
    Id id;
    std::string_view name;
    Kind kind;
    Id container;  // frmMain or a frame
    std::string_view caption;
    TextField WindowState::*text;  // a text field's text in the window state
    int left, top, width, height;  // twips, from the container's top left corner
    Font font;
    std::optional<Colour> foreColour;  // empty: the platform's default
    std::optional<Colour> backColour;
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

// How many controls the window has: the rows of the table below.
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Id::frmMain);

// The window's client area with the pointing panel shown or hidden: the
// design's, or grown to the right by the panel and the design's margin.
struct Size {
    int width, height;  // twips
    bool operator==(const Size&) const = default;
};
Size clientSize(bool panelShown);

// The controls in the order of their tab index (which is their Id).
extern const std::array<Control, kControlCount> kControls;

inline const Control& control(Id id) {
    return kControls[static_cast<std::size_t>(id)];
}

// A control's place in the window's client area, whatever holds it.
struct Place {
    int left, top;
};
Place placeInWindow(const Control& control);

// Whether a control is disabled, by itself or with the frame that holds it.
bool isDisabled(const Control& control);

// A result or a line too long for its field is drawn smaller, a quarter
// point at a time, down to this size: never cut.
inline constexpr double kFittingStep = 0.25;
inline constexpr double kSmallestFittedPointSize = 5.0;
// The most characters an input field takes, typed or pasted (what both
// toolkits' fields take by default): far beyond any figure, and short enough
// for every toolkit to answer at once.
inline constexpr int kLongestInput = 32767;

// A text field's text keeps this far from each side (twips): its sunken
// border and the margin inside it.
inline constexpr int kTextFieldInset = 60;

// A frame's caption sits this far in from its left edge, on the frame's back
// colour with this much of it either side (twips).
inline constexpr int kFrameCaptionIndent = 120;
inline constexpr int kFrameCaptionPadding = 30;

// The labels and pictures that the window draws on its own surface, from the
// top of the stack down: the labels lie above all six pictures, the line
// under the result above the design's three. Frames, text fields and option
// buttons lie above all of them.
inline constexpr std::array<Id, 4> kLabelsTopDown{Id::lblAviso, Id::Label5, Id::Label4, Id::Label3};
inline constexpr std::array<PictureId, kPictureCount> kPicturesTopDown{
    PictureId::imgPalo1, PictureId::imgPalo2,  PictureId::imgLnb2, PictureId::imgLnb3,
    PictureId::imgLnb4,  PictureId::imgPlato2, PictureId::imgLnb1, PictureId::imgPlato1};

// The dish sheet's lines, in their frame from the top.
inline constexpr std::array<Id, 3> kSheetLines{Id::lblFicha1, Id::lblFicha2, Id::lblFicha3};
// The pointing panel's lines, from the top.
inline constexpr std::array<Id, 4> kPanelLines{Id::lblApunte1, Id::lblApunte2, Id::lblApunte3,
                                               Id::lblApunte4};

// Whether a control is part of the pointing panel, shown only with it.
bool inPanel(const Control& control);
// Whether this window has the control: `page` for the web page.
bool isOnPlatform(const Control& control, bool page);

// The pictures' names by PictureId, and their drawings' (assets/NAME.svg):
// the further LNBs are the front view's LNB drawn again.
inline constexpr std::array<std::string_view, kPictureCount> kPictureNames{
    "imgPlato1", "imgLnb1", "imgPalo1", "imgPlato2", "imgLnb2", "imgPalo2", "imgLnb3", "imgLnb4"};
constexpr std::string_view pictureName(PictureId id) {
    return kPictureNames[static_cast<std::size_t>(id)];
}
constexpr PictureId drawingOf(PictureId id) {
    return id == PictureId::imgLnb3 || id == PictureId::imgLnb4 ? PictureId::imgLnb2 : id;
}
// The drawings, one for each picture of the design.
inline constexpr std::array<PictureId, 6> kDrawings{PictureId::imgPlato1, PictureId::imgLnb1,
                                                    PictureId::imgPalo1,  PictureId::imgPlato2,
                                                    PictureId::imgLnb2,   PictureId::imgPalo2};

// The input field the user types each figure into, and the control whose
// caption names it ("Vertical", "Horizontal", "Profundidad", "Latitud", …).
Id fieldOf(Input input);
std::optional<Input> inputOf(Id id);
bool isInput(Id id);
const Control& captionOf(Input input);

// The control whose caption names a text field for screen readers: the
// inputs' captions, and the result's heading ("Distancia aplicable").
std::optional<Id> captionNaming(Id field);

// Whether screen readers hear a control described besides its name: the
// figures (their unit), and the control with a menu of its own (the line
// under it).
bool isDescribed(const Control& control);

}  // namespace lnb::design
