// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/window_design.hpp"

#include "design/build_config.hpp"

namespace lnb::design {

const Window kFrmMain{
    "frmMain",
    "Calcula la distancia necesaria entre el LNB y el centro del plato de una parabólica.",
    12075,
    9645,
    kWhite,
    // The classic default window font, "MS Sans Serif" 8 pt: the design's
    // captions without a font of their own are laid out for it.
    {8.25}};

namespace {
constexpr Font k9_75BoldItalic{9.75, true, true};
constexpr Font k8_25{8.25};
constexpr Font k9_75{9.75};
constexpr Font k12{12};
constexpr Font k13_5{13.5};
constexpr Font k13_5Bold{13.5, true};
constexpr auto kSysBack = kSystemWindowBackground;
constexpr auto kSysText = kSystemWindowText;
constexpr auto kDefault = std::nullopt;
constexpr auto kWindow = Id::frmMain;
constexpr auto kPanel = Id::fraApuntar;
// The panel's button and its frame say the same.
constexpr std::string_view kPanelCaption = "Apuntar y multifoco";
}  // namespace

// Positions are in twips from the container's top left corner. Labels and
// option buttons have the flat look. A text field's text is the window
// state's (the example figures, "Text1"), not written here. The line under
// the result is the window's own: centred under the result, as wide as the
// room between the depth frame and the window's right edge allows. So is the
// dish sheet, a frame like "Medidas" in the free space at the top right: the
// design's 225-twip gap after "Medidas", its top and bottom, the 240-twip
// right margin; its lines in the window's own font size, under its caption.
// The pointing panel's button lies under the side view, where no drawing
// reaches at the example figures; the panel, a frame like the others, to the
// right of the design's window, its fields captioned as "Vertical" is, its
// lines under them. Where the desktop windows say how degrees are written,
// the page has its button for the browser's place and the line beside it.
// clang-format off
const std::array<Control, kControlCount> kControls{{
//   id                     name                 kind                container   caption                        text                             Left   Top   Width Height font            fore        back        flags
    {Id::Frame1,            "Frame1",            Kind::Frame,        kWindow,    "Diámetro",                    nullptr,                         240,   240,  4335, 2175, k13_5,           kBlue,      kLightGrey, kNone},
    {Id::Label1,            "Label1",            Kind::Label,        Id::Frame1, "Vertical",                    nullptr,                         360,   720,  1575, 375,  k13_5,           kSysText,   kSysBack,   kTransparent},
    {Id::txtVertical,       "txtVertical",       Kind::TextField,    Id::Frame1, "",                            &WindowState::txtVertical,       2280,  720,  1695, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::Label2,            "Label2",            Kind::Label,        Id::Frame1, "Horizontal",                  nullptr,                         360,   1440, 1575, 375,  k13_5,           kSysText,   kSysBack,   kTransparent},
    {Id::txtHorizontal,     "txtHorizontal",     Kind::TextField,    Id::Frame1, "",                            &WindowState::txtHorizontal,     2280,  1440, 1695, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::Frame2,            "Frame2",            Kind::Frame,        kWindow,    "Profundidad",                 nullptr,                         4800,  1320, 2535, 1095, k13_5,           kBlue,      kLightGrey, kNone},
    {Id::txtProfundidad,    "txtProfundidad",    Kind::TextField,    Id::Frame2, "",                            &WindowState::txtProfundidad,    360,   480,  1695, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::Medida,            "Medida",            Kind::Frame,        kWindow,    "Medidas",                     nullptr,                         4800,  240,  2535, 975,  k13_5,           kBlue,      kLightGrey, kDisabled},
    {Id::Option1,           "Option1",           Kind::OptionButton, Id::Medida, "Pulgadas",                    nullptr,                         120,   480,  975,  255,  kDefaultFont,    kSysText,   kSysBack,   kNone},
    {Id::Option2,           "Option2",           Kind::OptionButton, Id::Medida, "Centimetros",                 nullptr,                         1200,  480,  1215, 255,  kDefaultFont,    kSysText,   kSysBack,   kNone},
    {Id::txtMedDiametro,    "txtMedDiametro",    Kind::TextField,    kWindow,    "",                            &WindowState::txtMedDiametro,    7440,  240,  1455, 495,  k12,             kDefault,   kDefault,   kHidden},
    {Id::txtMedProfundidad, "txtMedProfundidad", Kind::TextField,    kWindow,    "",                            &WindowState::txtMedProfundidad, 9480,  240,  1455, 495,  k12,             kDefault,   kDefault,   kHidden},
    {Id::txtDistancia,      "txtDistancia",      Kind::TextField,    kWindow,    "",                            &WindowState::txtDistancia,      8400,  1800, 2775, 495,  k13_5Bold,       kBlue,      kDefault,   kDisabled | kCentred | kShrinksToFit | kOwnMenu},
    {Id::Label3,            "Label3",            Kind::Label,        kWindow,    "Distancia aplicable",         nullptr,                         8400,  1320, 2775, 495,  k13_5,           kWhite,     kBlue,      kSingleBorder | kCentred},
    {Id::Label4,            "Label4",            Kind::Label,        kWindow,    "por " DISTANCIA_CREDIT_NAME,  nullptr,                         10560, 9120, 1695, 375,  k9_75BoldItalic, kDarkGreen, kSysBack,   kTransparent},
    {Id::Label5,            "Label5",            Kind::Label,        kWindow,    DISTANCIA_CONTACT_ADDRESS,     nullptr,                         10440, 9360, 1695, 375,  kDefaultFont,    kDarkGreen, kSysBack,   kTransparent},
    {Id::lblAviso,          "lblAviso",          Kind::Label,        kWindow,    "",                            nullptr,                         7620,  2310, 4335, 285,  k9_75,           kDarkRed,   kSysBack,   kTransparent | kCentred | kShrinksToFit},
    {Id::fraFicha,          "fraFicha",          Kind::Frame,        kWindow,    "",                            nullptr,                         7560,  240,  4275, 975,  k13_5,           kBlue,      kLightGrey, kNone},
    {Id::lblFicha1,         "lblFicha1",         Kind::Label,        Id::fraFicha, "",                          nullptr,                         120,   300,  4035, 210,  k8_25,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblFicha2,         "lblFicha2",         Kind::Label,        Id::fraFicha, "",                          nullptr,                         120,   510,  4035, 210,  k8_25,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblFicha3,         "lblFicha3",         Kind::Label,        Id::fraFicha, "",                          nullptr,                         120,   720,  4035, 210,  k8_25,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::cmdApuntar,        "cmdApuntar",        Kind::Button,       kWindow,    kPanelCaption,                 nullptr,                         240,   8880, 2775, 495,  k9_75,           kSysText,   kLightGrey, kToggle},
    {Id::fraApuntar,        "fraApuntar",        Kind::Frame,        kWindow,    kPanelCaption,                 nullptr,                         12315, 240,  4920, 5355, k13_5,           kBlue,      kLightGrey, kNone},
    {Id::lblLatitud,        "lblLatitud",        Kind::Label,        kPanel,     "Latitud",                     nullptr,                         240,   540,  1800, 375,  k12,             kSysText,   kSysBack,   kTransparent},
    {Id::txtLatitud,        "txtLatitud",        Kind::TextField,    kPanel,     "",                            &WindowState::txtLatitud,        2040,  480,  2640, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::lblLongitud,       "lblLongitud",       Kind::Label,        kPanel,     "Longitud",                    nullptr,                         240,   1110, 1800, 375,  k12,             kSysText,   kSysBack,   kTransparent},
    {Id::txtLongitud,       "txtLongitud",       Kind::TextField,    kPanel,     "",                            &WindowState::txtLongitud,       2040,  1050, 2640, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::lblSatelite,       "lblSatelite",       Kind::Label,        kPanel,     "Satélite",                    nullptr,                         240,   1680, 1800, 375,  k12,             kSysText,   kSysBack,   kTransparent},
    {Id::txtSatelite,       "txtSatelite",       Kind::TextField,    kPanel,     "",                            &WindowState::txtSatelite,       2040,  1620, 2640, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::lblSatelite2,      "lblSatelite2",      Kind::Label,        kPanel,     "2.º satélite",                nullptr,                         240,   2250, 1800, 375,  k12,             kSysText,   kSysBack,   kTransparent},
    {Id::txtSatelite2,      "txtSatelite2",      Kind::TextField,    kPanel,     "",                            &WindowState::txtSatelite2,      2040,  2190, 2640, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::lblSatelite3,      "lblSatelite3",      Kind::Label,        kPanel,     "3.º satélite",                nullptr,                         240,   2820, 1800, 375,  k12,             kSysText,   kSysBack,   kTransparent},
    {Id::txtSatelite3,      "txtSatelite3",      Kind::TextField,    kPanel,     "",                            &WindowState::txtSatelite3,      2040,  2760, 2640, 495,  k12,             kDefault,   kDefault,   kNone},
    {Id::lblApunte1,        "lblApunte1",        Kind::Label,        kPanel,     "",                            nullptr,                         120,   3390, 4680, 285,  k9_75,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblApunte2,        "lblApunte2",        Kind::Label,        kPanel,     "",                            nullptr,                         120,   3705, 4680, 285,  k9_75,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblApunte3,        "lblApunte3",        Kind::Label,        kPanel,     "",                            nullptr,                         120,   4020, 4680, 285,  k9_75,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblApunte4,        "lblApunte4",        Kind::Label,        kPanel,     "",                            nullptr,                         120,   4335, 4680, 285,  k9_75,           kSysText,   kSysBack,   kTransparent | kShrinksToFit},
    {Id::lblNotacion,       "lblNotacion",       Kind::Label,        kPanel,     "",                            nullptr,                         120,   4815, 4680, 285,  k8_25,           kSysText,   kSysBack,   kTransparent | kShrinksToFit | kDesktopOnly},
    {Id::cmdUbicacion,      "cmdUbicacion",      Kind::Button,       kPanel,     "Usar mi ubicación",           nullptr,                         120,   4740, 2160, 435,  k9_75,           kSysText,   kLightGrey, kPageOnly},
    {Id::lblUbicacion,      "lblUbicacion",      Kind::Label,        kPanel,     "",                            nullptr,                         2400,  4815, 2400, 285,  k8_25,           kDarkRed,   kSysBack,   kTransparent | kShrinksToFit | kPageOnly},
}};
// clang-format on

Place placeInWindow(const Control& control) {
    if (control.container == Id::frmMain)
        return {control.left, control.top};
    const Place frame = placeInWindow(design::control(control.container));
    return {frame.left + control.left, frame.top + control.top};
}

bool isDisabled(const Control& control) {
    if (control.flags & kDisabled)
        return true;
    return control.container != Id::frmMain && isDisabled(design::control(control.container));
}

Size clientSize(bool panelShown) {
    if (!panelShown)
        return {kFrmMain.clientWidth, kFrmMain.clientHeight};
    const Control& panel = control(Id::fraApuntar);
    return {panel.left + panel.width + control(Id::Frame1).left, kFrmMain.clientHeight};
}

bool inPanel(const Control& control) {
    return control.id == Id::fraApuntar || control.container == Id::fraApuntar;
}

bool isOnPlatform(const Control& control, bool page) {
    return !(control.flags & (page ? kDesktopOnly : kPageOnly));
}

Id fieldOf(Input input) {
    switch (input) {
        case Input::Vertical:
            return Id::txtVertical;
        case Input::Horizontal:
            return Id::txtHorizontal;
        case Input::Depth:
            return Id::txtProfundidad;
        case Input::Latitude:
            return Id::txtLatitud;
        case Input::Longitude:
            return Id::txtLongitud;
        case Input::Satellite:
            return Id::txtSatelite;
        case Input::Satellite2:
            return Id::txtSatelite2;
        case Input::Satellite3:
            break;
    }
    return Id::txtSatelite3;
}

std::optional<Input> inputOf(Id id) {
    for (const Input input : kInputs) {
        if (fieldOf(input) == id)
            return input;
    }
    return std::nullopt;
}

bool isInput(Id id) {
    return inputOf(id).has_value();
}

// The depth is named by its frame, every other field by the label before it.
const Control& captionOf(Input input) {
    if (input == Input::Depth)
        return control(Id::Frame2);
    return control(static_cast<Id>(static_cast<std::size_t>(fieldOf(input)) - 1));
}

bool isDescribed(const Control& control) {
    return isInput(control.id) || (control.flags & kOwnMenu);
}

std::optional<Id> captionNaming(Id field) {
    if (field == Id::txtDistancia)
        return Id::Label3;
    for (const Input input : kInputs) {
        if (fieldOf(input) == field)
            return captionOf(input).id;
    }
    return std::nullopt;
}

}  // namespace lnb::design
