#include "design.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "build_config.hpp"

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
constexpr Font k12{12};
constexpr Font k13_5{13.5};
constexpr Font k13_5Bold{13.5, true};
constexpr auto kSysBack = kSystemWindowBackground;
constexpr auto kSysText = kSystemWindowText;
constexpr auto kDefault = std::nullopt;
}  // namespace

// Positions are in twips from the container's top left corner. Labels and
// option buttons have the flat look, which is the only one Qt has.
// clang-format off
const std::array<Control, 16> kControls{{
//   name                 kind                  container  caption                        Left   Top   Width Height font            fore        back        tab flags
    {"Frame1",            Kind::Frame,          "frmMain", "Diámetro",                    240,   240,  4335, 2175, k13_5,           kBlue,      kLightGrey, 0,  kNone},
    {"Label1",            Kind::Label,          "Frame1",  "Vertical",                    360,   720,  1575, 375,  k13_5,           kSysText,   kSysBack,   1,  kTransparent},
    {"txtVertical",       Kind::TextField,      "Frame1",  "80",                          2280,  720,  1695, 495,  k12,             kDefault,   kDefault,   2,  kNone},
    {"Label2",            Kind::Label,          "Frame1",  "Horizontal",                  360,   1440, 1575, 375,  k13_5,           kSysText,   kSysBack,   3,  kTransparent},
    {"txtHorizontal",     Kind::TextField,      "Frame1",  "80",                          2280,  1440, 1695, 495,  k12,             kDefault,   kDefault,   4,  kNone},
    {"Frame2",            Kind::Frame,          "frmMain", "Profundidad",                 4800,  1320, 2535, 1095, k13_5,           kBlue,      kLightGrey, 5,  kNone},
    {"txtProfundidad",    Kind::TextField,      "Frame2",  "10",                          360,   480,  1695, 495,  k12,             kDefault,   kDefault,   6,  kNone},
    {"Medida",            Kind::Frame,          "frmMain", "Medidas",                     4800,  240,  2535, 975,  k13_5,           kBlue,      kLightGrey, 7,  kDisabled},
    {"Option1",           Kind::OptionButton,   "Medida",  "Pulgadas",                    120,   480,  975,  255,  kDefaultFont,    kSysText,   kSysBack,   8,  kNone},
    {"Option2",           Kind::OptionButton,   "Medida",  "Centimetros",                 1200,  480,  1215, 255,  kDefaultFont,    kSysText,   kSysBack,   9,  kNone},
    {"txtMedDiametro",    Kind::TextField,      "frmMain", "Text1",                       7440,  240,  1455, 495,  k12,             kDefault,   kDefault,   10, kHidden},
    {"txtMedProfundidad", Kind::TextField,      "frmMain", "Text1",                       9480,  240,  1455, 495,  k12,             kDefault,   kDefault,   11, kHidden},
    {"txtDistancia",      Kind::TextField,      "frmMain", "Text1",                       8400,  1800, 2775, 495,  k13_5Bold,       kBlue,      kDefault,   12, kDisabled | kCentred},
    {"Label3",            Kind::Label,          "frmMain", "Distancia aplicable",         8400,  1320, 2775, 495,  k13_5,           kWhite,     kBlue,      13, kSingleBorder | kCentred},
    {"Label4",            Kind::Label,          "frmMain", "por " DISTANCIA_CREDIT_NAME,  10560, 9120, 1695, 375,  k9_75BoldItalic, kDarkGreen, kSysBack,   14, kTransparent},
    {"Label5",            Kind::Label,          "frmMain", DISTANCIA_CONTACT_ADDRESS,     10440, 9360, 1695, 375,  kDefaultFont,    kDarkGreen, kSysBack,   15, kTransparent},
}};
// clang-format on

const Control kAviso{"lblAviso", Kind::Label, "frmMain", "",       7440, 2310,        3735,
                     285,        {9.75},      kDarkRed,  kSysBack, -1,   kTransparent};

const std::array<std::string_view, 9> kSurfaceStacking{"Label5",    "Label4",   "Label3",
                                                       "imgPalo1",  "imgPalo2", "imgLnb2",
                                                       "imgPlato2", "imgLnb1",  "imgPlato1"};

const Control& control(std::string_view name) {
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [name](const Control& c) { return c.name == name; });
    if (found == kControls.end())
        throw std::out_of_range("no control " + std::string(name));
    return *found;
}

}  // namespace lnb::design
