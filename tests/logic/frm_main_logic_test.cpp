// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/frm_main_logic.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "logic/dish_geometry.hpp"

using lnb::FailureKind;
using lnb::FrmMainLogic;
using lnb::Rect;

namespace lnb {
std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << '{' << r.left << ", " << r.top << ", " << r.width << ", " << r.height << '}';
}
}  // namespace lnb

namespace {

std::array<std::string, 3> results(const FrmMainLogic& frm) {
    const lnb::WindowState& s = frm.state();
    return {s.txtMedDiametro.Text, s.txtMedProfundidad.Text, s.txtDistancia.Text};
}

using Field = lnb::Input;

std::ostream& operator<<(std::ostream& os, Field field) {
    return os << "VHp"[static_cast<int>(field)];
}

void type(FrmMainLogic& frm, Field field, const std::string& text) {
    frm.type(field, text);
}

FailureKind failureOf(FrmMainLogic& frm, Field field, const std::string& text) {
    type(frm, field, text);
    if (frm.failure())
        return frm.failure()->kind;
    ADD_FAILURE() << "no failure for \"" << text << '"';
    return {};
}

FrmMainLogic loaded(const char* separator = ".") {
    FrmMainLogic frm(separator);
    frm.Form_Load();
    return frm;
}

class BothSeparators : public testing::TestWithParam<const char*> {};
INSTANTIATE_TEST_SUITE_P(Locales, BothSeparators, testing::Values(".", ","));

TEST_P(BothSeparators, LoadComputesAndDrawsTheExampleFigures) {
    const FrmMainLogic frm = loaded(GetParam());
    EXPECT_EQ(results(frm), (std::array<std::string, 3>{"6400", "160", "40"}));
    EXPECT_TRUE(frm.state().Option1.Value);
    EXPECT_FALSE(frm.state().Option2.Value);
    // The further LNBs stay where the window was designed, hidden.
    const std::array<Rect, lnb::kPictureCount> workedExample{{{240, 2520, 600, 4800},
                                                              {2640, 4732.5, 375, 375},
                                                              {840, 5107.5, 2175, 2212.5},
                                                              {5640, 2520, 4800, 4800},
                                                              {7852.5, 4732.5, 375, 375},
                                                              {7890, 5107.5, 300, 2212.5},
                                                              {7800, 4920, 375, 375},
                                                              {7800, 4920, 375, 375}}};
    EXPECT_EQ(frm.state().pictureRects(), workedExample);
    for (const lnb::PictureId other : lnb::kOtherLnbs)
        EXPECT_FALSE(frm.state().picture(other).Visible);
}

// Load's first recalculation runs while the side-view dish is still collapsed.
TEST(Geometry, FocalPlacementFromTheCollapsedDish) {
    lnb::WindowState state;
    state.Escala = 60;
    lnb::Outcome failure;
    ASSERT_TRUE(lnb::geometry::initialCollapse(state, failure) &&
                lnb::geometry::horizontalGroup(state, 80, failure) &&
                lnb::geometry::focalPlacement(state, 40, failure));
    EXPECT_EQ(state.imgPalo1.Width.value(), 2775);
}

TEST(Load, StopsAtAFailingExampleFigure) {
    FrmMainLogic frm;
    frm.type(Field::Horizontal, "1e37");  // too wide for any picture once Escala is set
    const std::string before = frm.state().txtDistancia.Text;
    frm.Form_Load();
    ASSERT_TRUE(frm.failure().has_value());
    EXPECT_TRUE(frm.state().Option1.Value) << "the steps before the failure stay";
    EXPECT_EQ(frm.state().imgPlato1.Height.value(), 0) << "the vertical handler must not run";
    EXPECT_EQ(frm.state().txtDistancia.Text, before);
}

struct RecalcRow {
    const char* separator;
    const char* H;
    const char* V;
    const char* p;
    std::array<std::string, 3> texts;
    float sideArmWidth;
};

void PrintTo(const RecalcRow& row, std::ostream* os) {
    *os << row.H << ' ' << row.V << ' ' << row.p;
}

class Recalculation : public testing::TestWithParam<RecalcRow> {};

TEST_P(Recalculation, WritesWorkFieldsResultAndSideView) {
    const auto& row = GetParam();
    FrmMainLogic frm = loaded(row.separator);
    type(frm, Field::Horizontal, row.H);
    type(frm, Field::Vertical, row.V);
    type(frm, Field::Depth, row.p);
    EXPECT_EQ(results(frm), row.texts);
    EXPECT_FLOAT_EQ(frm.state().imgPalo1.Width.value(), row.sideArmWidth);
}

// Arm width: LNB right edge (F·60 + 240 + 375) less the rim plane (240 + p·60).
INSTANTIATE_TEST_SUITE_P(
    Rows, Recalculation,
    testing::Values(
        RecalcRow{".", "90", "80", "10", {"7225", "160", "45.15625"}, 2484.375},
        RecalcRow{".", "60", "60", "12", {"3600", "192", "18.75"}, 780},
        RecalcRow{".", "0", "0", "10", {"0", "160", "0"}, -225},
        RecalcRow{".", "80", "80", "12", {"6400", "192", "33.3333333333333"}, 1655},
        // a comma locale reads the figures as it draws them
        RecalcRow{",", "80,5", "80", "10", {"6440,0625", "160", "40,250390625"}, 2190.0234375},
        RecalcRow{",", "80", "80", "0,5", {"6400", "8", "800"}, 48345},
        RecalcRow{",", "12,5", "12,5", "2,5", {"156,25", "40", "3,90625"}, 459.375}));

TEST(Typing, FollowsTheOverviewExample) {
    FrmMainLogic frm = loaded();
    type(frm, Field::Horizontal, "9");
    EXPECT_EQ(results(frm), (std::array<std::string, 3>{"1980.25", "160", "12.3765625"}));
    EXPECT_EQ(frm.state().imgPlato2.Width.value(), 540);
    EXPECT_EQ(frm.state().imgLnb2.Left.value(), 5640 + 270 - 187.5);
    type(frm, Field::Horizontal, "90");
    EXPECT_EQ(frm.state().txtDistancia.Text, "45.15625");
}

TEST_P(BothSeparators, ZeroDepthWritesTheWorkFieldsThenFails) {
    FrmMainLogic frm = loaded(GetParam());
    const Rect sideLnb = frm.state().imgLnb1.rect();
    type(frm, Field::Depth, "0");
    ASSERT_TRUE(frm.failure().has_value()) << "a depth of 0 must fail";
    EXPECT_EQ(*frm.failure(),
              (lnb::Failure{FailureKind::DivisionByZero, lnb::FailedField::txtDistancia}));
    EXPECT_EQ(results(frm), (std::array<std::string, 3>{"6400", "0", "40"}));
    EXPECT_EQ(frm.state().imgLnb1.rect(), sideLnb);
    EXPECT_EQ(frm.state().imgPlato1.Width.value(), 0) << "the depth group ran before the failure";
}

TEST(Failures, ZeroMeanOverZeroDepthIsInvalid) {
    FrmMainLogic frm = loaded();
    type(frm, Field::Horizontal, "0");
    type(frm, Field::Vertical, "-0");
    EXPECT_EQ(failureOf(frm, Field::Depth, "0"), FailureKind::InvalidOperation);
}

struct HugeRow {
    Field field;
    const char* text;
};

void PrintTo(const HugeRow& row, std::ostream* os) {
    *os << row.field << '=' << row.text;
}

class HugeFigures : public testing::TestWithParam<HugeRow> {};

TEST_P(HugeFigures, FailAsOverflow) {
    FrmMainLogic frm = loaded();
    EXPECT_EQ(failureOf(frm, GetParam().field, GetParam().text), FailureKind::Overflow);
}

// A picture property takes only what a single-precision value holds: a
// failed expression, or one beyond its range, is refused and it keeps its
// value. So no rectangle is ever infinite or NaN, whatever is typed.
TEST(PictureProperty, RefusesWhatItCannotHold) {
    using lnb::Checked;
    struct Row {
        Checked value;
        std::optional<FailureKind> refused;
    };
    const double huge = std::numeric_limits<double>::max();
    for (const Row& row : {Row{3.5e38, FailureKind::Overflow}, Row{-3.5e38, FailureKind::Overflow},
                           Row{Checked(huge) * 2, FailureKind::Overflow},
                           Row{Checked(1) / 0, FailureKind::DivisionByZero},
                           Row{Checked(0) / 0, FailureKind::InvalidOperation},
                           Row{Checked(huge) * 2 - Checked(huge) * 2, FailureKind::Overflow},
                           Row{3.4e38, std::nullopt}, Row{1e-50, std::nullopt}}) {
        lnb::PictureProperty property(7);
        lnb::Outcome failure;
        const bool stored = property.set(row.value, failure);
        EXPECT_EQ(stored, !row.refused) << row.value.value();
        if (row.refused) {
            EXPECT_EQ(failure, (lnb::Failure{*row.refused, lnb::FailedField::Picture}));
            EXPECT_EQ(property.value(), 7);
        } else {
            EXPECT_EQ(property.value(), static_cast<float>(row.value.value()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HugeFigures,
    testing::Values(HugeRow{Field::Horizontal, "1e30"}, HugeRow{Field::Horizontal, "1e300"},
                    HugeRow{Field::Horizontal, "-1e200"}, HugeRow{Field::Vertical, "1e300"},
                    HugeRow{Field::Depth, "1e-40"}, HugeRow{Field::Horizontal, "1.5e154"},
                    HugeRow{Field::Vertical, "1.7e308"}));

struct IgnoredRow {
    const char* separator;
    Field field;
    const char* text;
};

void PrintTo(const IgnoredRow& row, std::ostream* os) {
    *os << row.field << "=\"" << row.text << "\" with '" << row.separator << "'";
}

class NonNumericText : public testing::TestWithParam<IgnoredRow> {};

TEST_P(NonNumericText, ChangesNothing) {
    FrmMainLogic frm = loaded(GetParam().separator);
    type(frm, Field::Horizontal, "90");
    const auto rectsBefore = frm.state().pictureRects();
    const auto textsBefore = results(frm);
    type(frm, GetParam().field, GetParam().text);
    EXPECT_EQ(frm.state().pictureRects(), rectsBefore);
    EXPECT_EQ(results(frm), textsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NonNumericText,
    testing::Values(IgnoredRow{".", Field::Horizontal, ""}, IgnoredRow{".", Field::Vertical, "-"},
                    IgnoredRow{".", Field::Depth, "."}, IgnoredRow{".", Field::Horizontal, "abc"},
                    IgnoredRow{".", Field::Vertical, "1e"}, IgnoredRow{".", Field::Depth, "inf"},
                    IgnoredRow{".", Field::Depth, "1,5"}, IgnoredRow{",", Field::Horizontal, ","},
                    IgnoredRow{",", Field::Vertical, "1.5"}, IgnoredRow{",", Field::Depth, "-,"}));

TEST(Typing, DepthWithANonNumericDiameterAppliesTheDepthGroupOnly) {
    FrmMainLogic frm = loaded();
    type(frm, Field::Horizontal, "abc");
    const lnb::WindowState& s = frm.state();
    const Rect sideLnb = s.imgLnb1.rect();
    const float armWidth = s.imgPalo1.Width.value();
    type(frm, Field::Depth, "20");
    EXPECT_EQ(s.imgPlato1.Width.value(), 1200);
    EXPECT_EQ(s.imgPalo1.Left.value(), 1440) << "the arm starts at the new rim plane";
    EXPECT_EQ(s.imgPalo1.Width.value(), armWidth);
    EXPECT_EQ(s.imgLnb1.rect(), sideLnb);
    EXPECT_EQ(results(frm), (std::array<std::string, 3>{"6400", "160", "40"}));
}

TEST(Typing, VerticalZeroCollapsesBothDishes) {
    FrmMainLogic frm = loaded();
    type(frm, Field::Vertical, "0");
    const lnb::WindowState& s = frm.state();
    for (const auto* dish : {&s.imgPlato1, &s.imgPlato2}) EXPECT_EQ(dish->Height.value(), 0);
    for (const auto* lnb : {&s.imgLnb1, &s.imgLnb2}) EXPECT_EQ(lnb->Top.value(), 2332.5);
    for (const auto* arm : {&s.imgPalo1, &s.imgPalo2}) EXPECT_EQ(arm->Height.value(), 187.5);
}

}  // namespace
