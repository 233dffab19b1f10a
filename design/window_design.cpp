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
}  // namespace

// Positions are in twips from the container's top left corner. Labels and
// option buttons have the flat look. A text field's text is the window
// state's (the example figures, "Text1"), not written here. The line under
// the result is the window's own: centred under the result, as wide as the
// room between the depth frame and the window's right edge allows. So is the
// dish sheet, a frame like "Medidas" in the free space at the top right: the
// design's 225-twip gap after "Medidas", its top and bottom, the 240-twip
// right margin; its lines in the window's own font size, under its caption.
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

Id fieldOf(Input input) {
    switch (input) {
        case Input::Vertical:
            return Id::txtVertical;
        case Input::Horizontal:
            return Id::txtHorizontal;
        case Input::Depth:
            break;
    }
    return Id::txtProfundidad;
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

// The two diameters are named by their labels, the depth by its frame.
const Control& captionOf(Input input) {
    switch (input) {
        case Input::Vertical:
            return control(Id::Label1);
        case Input::Horizontal:
            return control(Id::Label2);
        case Input::Depth:
            break;
    }
    return control(Id::Frame2);
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
