// SPDX-License-Identifier: GPL-3.0-or-later
// The pointing panel: degrees as people write them, where the dish points,
// where further LNBs go, and what the panel says, each checked against a
// computation of its own by another route: the textbook closed forms for
// the azimuth and the elevation, the separation by the cosine rule on the
// sky, the arc's slope from two neighbouring satellites' look angles, the
// spacing and its direction by the rules the panel states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "design/presenter.hpp"
#include "logic/degrees.hpp"
#include "logic/frm_main_logic.hpp"
#include "logic/numeric_text.hpp"
#include "logic/pointing.hpp"
#include "logic/text_positions.hpp"
#include "tests/data_tables.hpp"
#include "tests/fixed_pitch.hpp"

namespace {

using lnb::Input;
using lnb::OtherKind;
using lnb::design::Id;
namespace degrees = lnb::degrees;
namespace pointing = lnb::pointing;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
double degreesOf(double radians) {
    return radians * 180 / std::numbers::pi;
}

// ---- the closed forms

struct Sky {
    double azimuth, elevation;
};

// The satellite's azimuth is the bearing of the point under it; its
// elevation from the central angle γ between the place and that point.
Sky closedForm(double latitude, double longitude, double satellite) {
    const double phi = radians(latitude);
    const double dLambda = radians(satellite - longitude);
    double azimuth = degreesOf(std::atan2(std::sin(dLambda), -std::sin(phi) * std::cos(dLambda)));
    if (azimuth < 0)
        azimuth += 360;
    const double cosGamma = std::cos(phi) * std::cos(dLambda);
    const double sinGamma = std::sqrt(1 - cosGamma * cosGamma);
    const double ratio = pointing::kEarthRadius / pointing::kOrbitRadius;
    return {azimuth, degreesOf(std::atan2(cosGamma - ratio, sinGamma))};
}

// The angle between two points of the sky.
double apart(const Sky& a, const Sky& b) {
    const double cosine = std::sin(radians(a.elevation)) * std::sin(radians(b.elevation)) +
                          std::cos(radians(a.elevation)) * std::cos(radians(b.elevation)) *
                              std::cos(radians(a.azimuth - b.azimuth));
    return degreesOf(std::acos(std::min(1.0, cosine)));
}

// The arc's slope where the satellite is, from its neighbours on either
// side: rising to the right (seen from behind the dish) is a turn
// counter-clockwise.
double arcSlope(double latitude, double longitude, double satellite) {
    const double step = 1e-4;
    const Sky west = closedForm(latitude, longitude, satellite - step);
    const Sky east = closedForm(latitude, longitude, satellite + step);
    const double right = (east.azimuth - west.azimuth) * std::cos(radians(east.elevation));
    double slope = degreesOf(
        std::atan(std::tan(radians(east.elevation - west.elevation)) / std::tan(radians(right))));
    return slope;
}

struct Place {
    const char* name;
    double latitude, longitude, satellite;
};

void PrintTo(const Place& place, std::ostream* os) {
    *os << place.name;
}

class LookAngles : public testing::TestWithParam<Place> {};

TEST_P(LookAngles, FollowTheClosedForms) {
    const Place& at = GetParam();
    const pointing::LookAngles look =
        pointing::lookAngles({at.latitude, at.longitude}, at.satellite);
    const Sky sky = closedForm(at.latitude, at.longitude, at.satellite);
    EXPECT_NEAR(look.azimuth, sky.azimuth, 1e-9);
    EXPECT_NEAR(look.elevation, sky.elevation, 1e-9);
    EXPECT_NEAR(look.skew, arcSlope(at.latitude, at.longitude, at.satellite), 1e-4);
    // The usual approximation, which takes the satellite as infinitely far.
    const double dLambda = radians(at.satellite - at.longitude);
    EXPECT_NEAR(look.skew, degreesOf(std::atan(std::sin(dLambda) / std::tan(radians(at.latitude)))),
                1.0);
}

INSTANTIATE_TEST_SUITE_P(Places, LookAngles,
                         testing::Values(Place{"Madrid, 19.2 E", 40.4168, -3.7038, 19.2},
                                         Place{"Madrid, 30 W", 40.4168, -3.7038, -30},
                                         Place{"Buenos Aires, 61 W", -34.6037, -58.3816, -61},
                                         Place{"Buenos Aires, 55.5 W", -34.6037, -58.3816, -55.5},
                                         Place{"Oslo, 0.8 W", 59.91, 10.75, -0.8},
                                         Place{"Sydney, 156 E", -33.87, 151.21, 156},
                                         Place{"Tromsø, low", 69.65, 18.96, 5}),
                         [](const auto& info) { return std::to_string(info.index); });

// Where the satellite stands on the place's meridian the arc is level; on
// the equator it stands upright; the figures that the window writes.
TEST(LookAngles, MeridianAndEquator) {
    const auto onMeridian = pointing::lookAngles({40, 19.2}, 19.2);
    EXPECT_NEAR(onMeridian.skew, 0, 1e-9);
    EXPECT_NEAR(onMeridian.azimuth, 180, 1e-9);
    const auto south = pointing::lookAngles({-30, -60}, -60);
    EXPECT_NEAR(south.azimuth, 0, 1e-9);
    EXPECT_NEAR(std::abs(pointing::lookAngles({0, -3.7}, 19.2).skew), 90, 1e-6);
    EXPECT_NEAR(pointing::lookAngles({0, 0}, 0).elevation, 90, 1e-9);
}

// Below the horizon past the arc's edge; the latitude's limit is where the
// arc itself sinks, to the tenth the panel writes.
TEST(LookAngles, TheHorizonsLimit) {
    EXPECT_GE(pointing::lookAngles({0, 0}, 81.29).elevation, 0);
    EXPECT_LT(pointing::lookAngles({0, 0}, 81.31).elevation, 0);
    const double arcSinks = degreesOf(std::acos(pointing::kEarthRadius / pointing::kOrbitRadius));
    EXPECT_NEAR(pointing::kLargestLatitude, arcSinks, 0.05);
}

// ---- further LNBs

struct Pair {
    const char* name;
    double latitude, longitude, satellite, other;
};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << pair.name;
}

class OtherLnbs : public testing::TestWithParam<Pair> {};

// F · tan(Δ / BDF), Δ the angle seen from the place; opposite to the
// satellite: one further west puts its LNB east, a higher one puts it lower.
TEST_P(OtherLnbs, GoOppositeTheSatelliteByTheBeamDeviation) {
    const Pair& p = GetParam();
    const double focal = 40;
    const double ratio = 0.6;
    const pointing::Place place{p.latitude, p.longitude};
    const pointing::Offset at = pointing::otherLnb(place, p.satellite, p.other, focal, ratio);
    const Sky main = closedForm(p.latitude, p.longitude, p.satellite);
    const Sky other = closedForm(p.latitude, p.longitude, p.other);
    const double delta = apart(main, other);
    EXPECT_NEAR(pointing::separation(place, p.satellite, p.other), delta, 1e-9);
    const double q = 1 / (4 * ratio);
    const double factor = (1 + 0.36 * q * q) / (1 + q * q);
    EXPECT_NEAR(at.distance, focal * std::tan(radians(delta) / factor), 1e-9);
    EXPECT_NEAR(std::hypot(at.east, at.up), at.distance, 1e-9);
    EXPECT_EQ(at.east > 0, p.other < p.satellite) << "further west: its LNB east";
    // Higher as the dish sees it: above the plane of its boresight and its
    // level horizontal, whose up is the boresight's elevation turned a
    // quarter turn (east, north, up).
    const double el = radians(main.elevation);
    const double az = radians(main.azimuth);
    const double up[] = {-std::sin(el) * std::sin(az), -std::sin(el) * std::cos(az), std::cos(el)};
    const double towards[] = {std::cos(radians(other.elevation)) * std::sin(radians(other.azimuth)),
                              std::cos(radians(other.elevation)) * std::cos(radians(other.azimuth)),
                              std::sin(radians(other.elevation))};
    const double above = up[0] * towards[0] + up[1] * towards[1] + up[2] * towards[2];
    EXPECT_EQ(at.up<0, above> 0) << "higher: its LNB lower";
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, OtherLnbs,
    testing::Values(Pair{"Madrid, 13 E beside 19.2 E", 40.4168, -3.7038, 19.2, 13},
                    Pair{"Madrid, 23.5 E beside 19.2 E", 40.4168, -3.7038, 19.2, 23.5},
                    Pair{"Madrid, 30 W beside 36 W", 40.4168, -3.7038, -36, -30},
                    Pair{"Buenos Aires, 55.5 W beside 61 W", -34.6037, -58.3816, -61, -55.5},
                    Pair{"Buenos Aires, 61 W beside 55.5 W", -34.6037, -58.3816, -55.5, -61},
                    Pair{"Berlin, 28.2 E beside 23.5 E", 52.52, 13.40, 23.5, 28.2}),
    [](const auto& info) { return std::to_string(info.index); });

// ---- degrees as people write them

struct Written {
    const char* text;
    degrees::Axis axis;
    degrees::Kind kind;
    double value;
};

void PrintTo(const Written& written, std::ostream* os) {
    *os << '"' << written.text << '"';
}

constexpr auto kLatitude = degrees::Axis::Latitude;
constexpr auto kLongitude = degrees::Axis::Longitude;
constexpr auto kDegrees = degrees::Kind::Degrees;
constexpr auto kNot = degrees::Kind::NotDegrees;
constexpr auto kBeyond = degrees::Kind::OutOfRange;

// Written with ","; each row is read again with "." in its place.
class ReadingDegrees : public testing::TestWithParam<Written> {};

TEST_P(ReadingDegrees, EveryLetterAndSignInBothSeparators) {
    const Written& w = GetParam();
    for (const std::string separator : {",", "."}) {
        std::string text = w.text;
        for (char& c : text)
            if (c == ',')
                c = separator[0];
        const degrees::Read read = degrees::read(text, w.axis, separator);
        EXPECT_EQ(read.kind, w.kind) << text;
        if (w.kind == kDegrees) {
            EXPECT_DOUBLE_EQ(read.value, w.value) << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadingDegrees,
    testing::Values(
        Written{"40,42 N", kLatitude, kDegrees, 40.42},
        Written{"40,42N", kLatitude, kDegrees, 40.42},
        Written{"40,42 n", kLatitude, kDegrees, 40.42},
        Written{"34,6 S", kLatitude, kDegrees, -34.6}, Written{"34,6s", kLatitude, kDegrees, -34.6},
        Written{"-34,6", kLatitude, kDegrees, -34.6}, Written{"+40", kLatitude, kDegrees, 40},
        Written{" 40,42° N ", kLatitude, kDegrees, 40.42},
        Written{"81,3 N", kLatitude, kDegrees, 81.3}, Written{"81,31 N", kLatitude, kBeyond, 0},
        Written{"-81,31", kLatitude, kBeyond, 0}, Written{"40,42 E", kLatitude, kNot, 0},
        Written{"-3,70", kLongitude, kDegrees, -3.7}, Written{"3,7O", kLongitude, kDegrees, -3.7},
        Written{"3,7 o", kLongitude, kDegrees, -3.7}, Written{"30 W", kLongitude, kDegrees, -30},
        Written{"30w", kLongitude, kDegrees, -30}, Written{"19,2 E", kLongitude, kDegrees, 19.2},
        Written{"19,2°E", kLongitude, kDegrees, 19.2}, Written{"13e", kLongitude, kDegrees, 13},
        Written{"180 O", kLongitude, kDegrees, -180}, Written{"180,01 E", kLongitude, kBeyond, 0},
        Written{"-3,7 O", kLongitude, kNot, 0}, Written{"19,2 N", kLongitude, kNot, 0},
        Written{"E", kLongitude, kNot, 0}, Written{"N 40", kLatitude, kNot, 0},
        Written{"abc", kLongitude, kNot, 0}, Written{"1e400", kLongitude, kBeyond, 0},
        Written{"-", kLongitude, degrees::Kind::Beginning, 0},
        Written{"  ", kLongitude, degrees::Kind::Empty, 0}),
    [](const auto& info) { return std::to_string(info.index); });

// ---- what the panel says, and where it draws

struct Window {
    explicit Window(const std::string& separator) : presenter(separator, measure) {}
    lnb::testing::FixedPitch measure;
    lnb::Presenter presenter;
};

// The figures and the panel's fields of a row, typed into a window with the
// panel shown.
void typeRow(lnb::Presenter& presenter, const lnb::testing::PointingRow& row) {
    presenter.load();
    presenter.togglePanel();
    for (std::size_t i = 0; i < lnb::kFigures.size(); ++i)
        presenter.type(lnb::kFigures[i], row.figures[i]);
    for (std::size_t i = 0; i < lnb::kPanelInputs.size(); ++i)
        presenter.type(lnb::kPanelInputs[i], row.panel[i]);
}

class PanelLines : public testing::TestWithParam<lnb::testing::PointingRow> {};

TEST_P(PanelLines, SayWhatTheRowSays) {
    const auto& row = GetParam();
    Window window(row.separator);
    typeRow(window.presenter, row);
    const lnb::View& view = window.presenter.view();
    for (std::size_t i = 0; i < lnb::design::kPanelLines.size(); ++i)
        EXPECT_EQ(view[lnb::design::kPanelLines[i]].text, row.lines[i]) << i;
    const auto& second = view.picturesBottomUp;
    const auto drawn = std::find_if(second.begin(), second.end(), [](const auto& picture) {
        return picture.id == lnb::PictureId::imgLnb3;
    });
    EXPECT_EQ(drawn->shown, row.secondLnbApex.has_value());
    if (row.secondLnbApex) {
        // Its apex, as the front view's LNB has it: 12.5 px in, 1.5 px down.
        EXPECT_NEAR(drawn->now.left / 15 + 12.5, row.secondLnbApex->first, 1);
        EXPECT_NEAR(drawn->now.top / 15 + 1.5, row.secondLnbApex->second, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, PanelLines, testing::ValuesIn(lnb::testing::pointingRows()));

// The front view's LNB for a further satellite, at the drawing's scale from
// the main one: on the dish's east side, right where it faces south (Madrid)
// and left where it faces north (Buenos Aires, the LNB going west).
TEST(PanelPictures, TheSecondLnbOnItsSideAtScale) {
    for (const auto& [place, longitude, main, other, towardsRight] :
         {std::tuple{"40,4168 N", "3,7038 O", "19,2 E", "13 E", true},
          std::tuple{"34,6 S", "58,4 O", "61 O", "55,5 O", true},
          std::tuple{"40,4168 N", "3,7038 O", "19,2 E", "23,5 E", false}}) {
        Window window(",");
        window.presenter.load();
        window.presenter.togglePanel();
        window.presenter.type(Input::Latitude, place);
        window.presenter.type(Input::Longitude, longitude);
        window.presenter.type(Input::Satellite, main);
        window.presenter.type(Input::Satellite2, other);
        const auto& state = window.presenter.logic().state();
        const auto& offset = window.presenter.logic().panel().others[0]->offset;
        const double across = state.imgLnb3.Left.value() - state.imgLnb2.Left.value();
        EXPECT_EQ(across > 0, towardsRight) << other;
        EXPECT_NEAR(std::abs(across), std::abs(offset.east) * state.Escala, 0.01);
        EXPECT_NEAR(state.imgLnb3.Top.value() - state.imgLnb2.Top.value(),
                    -offset.up * state.Escala, 0.01);
        EXPECT_EQ(state.imgLnb3.Width.value(), state.imgLnb2.Width.value());
        // Hidden with the panel.
        window.presenter.togglePanel();
        EXPECT_FALSE(state.imgLnb3.Visible);
    }
}

// Each line's message at its boundary and just past it: the horizon, the
// separation of 15°, the result and the sheet the spacing needs.
TEST(PanelLines, MessagesAtTheirBoundaries) {
    Window window(".");
    lnb::Presenter& p = window.presenter;
    p.load();
    p.togglePanel();
    p.type(Input::Latitude, "40.4168 N");
    p.type(Input::Longitude, "3.7038 W");
    p.type(Input::Satellite, "19.2 E");
    const pointing::Place madrid{40.4168, -3.7038};
    int placed = 0;
    int tooFar = 0;
    for (double other = 1.0; other <= 7.0; other += 0.05) {
        p.type(Input::Satellite2, lnb::numeric_text::write(other, "."));
        const auto& lnb = *p.logic().panel().others[0];
        const bool within = pointing::separation(madrid, 19.2, other) <= 15;
        EXPECT_EQ(lnb.kind, within ? OtherKind::Placed : OtherKind::TooFarApart) << other;
        (within ? placed : tooFar) += 1;
    }
    EXPECT_GT(placed, 0);
    EXPECT_GT(tooFar, 0);
    p.type(Input::Satellite2, "13 E");
    EXPECT_EQ(p.logic().panel().others[0]->kind, OtherKind::Placed);
    // A figure being typed: no current result, the spacing waits; the aim stays.
    p.type(Input::Depth, "");
    EXPECT_EQ(p.logic().panel().others[0]->kind, OtherKind::NeedsTheSheet);
    EXPECT_EQ(p.view()[Id::lblApunte1].text, "Acimut: 146.9° · Elevación: 37.7°");
    EXPECT_FALSE(p.logic().panel().tilt.has_value());
    p.type(Input::Depth, "10");
    // A satellite at the horizon of a place on the equator.
    p.type(Input::Latitude, "0");
    p.type(Input::Longitude, "0");
    p.type(Input::Satellite, "81.29 E");
    EXPECT_TRUE(p.logic().panel().aim.has_value() && !p.logic().panel().aim->belowHorizon());
    p.type(Input::Satellite, "81.31 E");
    EXPECT_TRUE(p.logic().panel().aim->belowHorizon());
    EXPECT_EQ(p.view()[Id::lblApunte1].text, "81.3° E queda bajo el horizonte de este lugar.");
    EXPECT_EQ(p.view()[Id::lblApunte2].text, "");
}

// ---- the panel in the window

TEST(Panel, GrowsTheWindowAndShowsWithItsButton) {
    Window window(",");
    const lnb::View& view = window.presenter.load();
    EXPECT_EQ(view.clientSize, (lnb::design::Size{12075, 9645}));
    EXPECT_FALSE(view[Id::fraApuntar].shown);
    EXPECT_FALSE(view[Id::cmdApuntar].checked);
    const lnb::design::Rgb up = view[Id::cmdApuntar].back;
    window.presenter.togglePanel();
    // The design's window, then the panel with a margin on each side.
    EXPECT_EQ(view.clientSize, (lnb::design::Size{12075 + 240 + 4920 + 240, 9645}));
    EXPECT_TRUE(view[Id::fraApuntar].shown);
    EXPECT_TRUE(view[Id::txtSatelite3].shown);
    EXPECT_TRUE(view[Id::cmdApuntar].checked);
    EXPECT_NE(view[Id::cmdApuntar].back, up) << "held down, it looks so";
    EXPECT_EQ(view[Id::txtLatitud].description, "Grados, con N o S");
    EXPECT_EQ(lnb::design::captionOf(Input::Satellite2).caption, "2.º satélite");
    window.presenter.togglePanel();
    EXPECT_EQ(view.clientSize, (lnb::design::Size{12075, 9645}));
}

// "Copiar la ficha" adds the panel's fields and lines while it shows.
TEST(Panel, CopiedWithTheSheet) {
    Window window(",");
    const auto rows = lnb::testing::pointingRows();
    typeRow(window.presenter, rows.front());
    const std::string copied = window.presenter.view()[Id::txtDistancia].menu.at(1).text;
    EXPECT_NE(copied.find("Apuntar y multifoco\nLatitud: 40,4168 N\nLongitud: 3,7038 O\n"),
              std::string::npos)
        << copied;
    EXPECT_NE(copied.find(rows.front().lines[2] + "\n"), std::string::npos) << copied;
    window.presenter.togglePanel();
    EXPECT_EQ(window.presenter.view()[Id::txtDistancia].menu.at(1).text.find("Latitud"),
              std::string::npos);
}

// What a window kept is taken back where it reads as what it keeps, and
// dropped, without a word, where it does not.
TEST(Panel, KeptAcrossARestartGarbageDropped) {
    Window first(",");
    first.presenter.load();
    first.presenter.togglePanel();
    first.presenter.type(Input::Latitude, "40,4 N");
    first.presenter.type(Input::Satellite3, "5 O");
    Window second(",");
    for (const auto& [name, value] : first.presenter.kept()) second.presenter.restore(name, value);
    const lnb::View& view = second.presenter.load();
    EXPECT_TRUE(view[Id::fraApuntar].shown);
    EXPECT_EQ(view[Id::txtLatitud].text, "40,4 N");
    EXPECT_EQ(view[Id::txtSatelite3].text, "5 O");

    Window third(",");
    for (const auto& [name, value] :
         {std::pair{"ApuntarVisible", std::string("yes")},
          std::pair{"Latitud", std::string("4\n0")}, std::pair{"Longitud", std::string("\xC3\x28")},
          std::pair{"Satelite", std::string(40000, '1')}, std::pair{"Otro", std::string("1")}})
        third.presenter.restore(name, value);
    const lnb::View& fresh = third.presenter.load();
    EXPECT_FALSE(fresh[Id::fraApuntar].shown);
    for (const Input field : lnb::kPanelInputs)
        EXPECT_EQ(fresh[lnb::design::fieldOf(field)].text, "");
}

// The browser's place fills the two fields in the panel's notation; a
// refusal is said beside the button and changes nothing else.
TEST(Panel, TheBrowsersPlace) {
    Window window(",");
    window.presenter.load();
    window.presenter.togglePanel();
    window.presenter.locationFailed(lnb::texts::LocationFailure::Refused);
    EXPECT_EQ(window.presenter.view()[Id::lblUbicacion].text,
              "El navegador no ha dado permiso para la ubicación.");
    EXPECT_EQ(window.presenter.view()[Id::txtLatitud].text, "");
    const lnb::View& view = window.presenter.useLocation(-34.60372, -58.38159);
    EXPECT_EQ(view[Id::txtLatitud].text, "34,6037 S");
    EXPECT_EQ(view[Id::txtLongitud].text, "58,3816 O");
    EXPECT_EQ(view[Id::lblUbicacion].text, "");
    window.presenter.useLocation(std::nan(""), 0);
    EXPECT_EQ(view[Id::txtLatitud].text, "34,6037 S");
    EXPECT_EQ(view[Id::lblUbicacion].text, "El navegador no ha podido saber la ubicación.");
}

TEST(TextPositions, PlainTextOnly) {
    EXPECT_TRUE(lnb::text_positions::isPlainText("40,4 N · 19,2° E"));
    EXPECT_TRUE(lnb::text_positions::isPlainText("\xF0\x9F\x98\x80"));
    for (const char* bad :
         {"a\tb", "\x7F", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xC2\x85"})
        EXPECT_FALSE(lnb::text_positions::isPlainText(bad)) << bad;
}

}  // namespace
