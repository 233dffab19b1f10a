// SPDX-License-Identifier: GPL-3.0-or-later
// The dish sheet: the formulas' own checks, worked rows, and no wrong number.
#include "logic/dish_sheet.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "design/texts.hpp"

namespace {

using lnb::DishShape;
using lnb::DishSheet;
namespace offset = lnb::offset;

struct Dish {
    double W, p;  // a centred dish: its diameter and depth
};

class CentredThroughTheOffsetRules : public testing::TestWithParam<Dish> {};

// With W = H the parent paraboloid is the dish itself: its focal length is
// the result, its centre on the axis, both edges f + p from the focus, and
// the equivalent f/D its f/D.
TEST_P(CentredThroughTheOffsetRules, GiveTheCentredNumbers) {
    const auto [W, p] = GetParam();
    const double f = W * W / (16 * p);
    const double fp = offset::parentFocalLength(W, W, p);
    EXPECT_DOUBLE_EQ(fp, f);
    EXPECT_EQ(offset::centreFromAxis(W, W, fp), 0);
    EXPECT_DOUBLE_EQ(offset::toFocus(fp, -W / 2), f + p);
    EXPECT_DOUBLE_EQ(offset::toFocus(fp, W / 2), f + p);
    EXPECT_NEAR(offset::equivalentRatio(offset::illuminationAngle(fp, -W / 2, W / 2)), f / W,
                1e-12 * f / W);
    const auto sheet = lnb::dishSheet(W, W, p, f);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->shape, DishShape::Centred);
    EXPECT_DOUBLE_EQ(sheet->rimToFocus, f + p);
    EXPECT_DOUBLE_EQ(sheet->ratio, f / W);
}

INSTANTIATE_TEST_SUITE_P(Rows, CentredThroughTheOffsetRules,
                         testing::Values(Dish{80, 10}, Dish{60, 12}, Dish{120, 24}, Dish{240, 6},
                                         // deep: the rim beyond the focus
                                         Dish{1, 0.3}, Dish{1, 2}));

struct OffsetDish {
    double W, H, p;
};

class OffsetDishes : public testing::TestWithParam<OffsetDish> {};

// The deepest point of an offset dish, under the chord from edge to edge, is
// where the parent's surface runs parallel to the chord: at the dish's centre,
// y₀ from the axis. From there to the focus is W·H / (16·p), the result's
// rule with the product of the diameters for the mean squared.
TEST_P(OffsetDishes, TheDeepestPointIsWHOver16pFromTheFocus) {
    const auto [W, H, p] = GetParam();
    const double fp = offset::parentFocalLength(W, H, p);
    const double y0 = offset::centreFromAxis(W, H, fp);
    const double y1 = y0 - W / 2, y2 = y0 + W / 2;
    const double chordSlope = (y2 * y2 - y1 * y1) / (4 * fp) / (y2 - y1);
    EXPECT_NEAR(y0 / (2 * fp), chordSlope, 1e-12);  // the surface's slope at y₀
    EXPECT_NEAR(offset::toFocus(fp, y0), W * H / (16 * p), 1e-12 * W * H / (16 * p));
}

// The edges lie on either side of the deepest point: the lower one nearer the
// focus, and the feed sees the dish under less than half a turn.
TEST_P(OffsetDishes, TheLowerEdgeIsNearerTheFocus) {
    const auto [W, H, p] = GetParam();
    const double f = (W + H) * (W + H) / 4 / (16 * p);
    const auto sheet = lnb::dishSheet(H, W, p, f);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->shape, DishShape::Offset);
    EXPECT_LT(sheet->rimToFocus, sheet->upperRimToFocus);
    EXPECT_NEAR(std::cos(sheet->offsetAngle * std::numbers::pi / 180), W / H, 1e-12);
    EXPECT_GT(sheet->ratio, 0.1);
    EXPECT_LT(sheet->ratio, 2);
}

INSTANTIATE_TEST_SUITE_P(Rows, OffsetDishes,
                         testing::Values(OffsetDish{60, 65, 5.77}, OffsetDish{80, 90, 6},
                                         OffsetDish{45, 50, 4.5}, OffsetDish{100, 140, 8}));

// Distances on the tape: at least one decimal and three significant digits;
// f/D with two decimals, angles with one.
struct FormatRow {
    DishSheet sheet;
    const char* separator;
    std::array<std::string, 3> lines;
};

void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.lines[1];
}

class SheetTexts : public testing::TestWithParam<FormatRow> {};

TEST_P(SheetTexts, WriteEachNumberToItsPrecision) {
    EXPECT_EQ(lnb::texts::sheetText(GetParam().sheet, GetParam().separator).lines,
              GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetTexts,
    testing::Values(FormatRow{{DishShape::Centred, 0.5, 129.64},
                              ",",
                              {"Relación f/D: 0,50", "Del borde al LNB: 129,6", ""}},
                    FormatRow{{DishShape::Centred, 0.126, 1295.94},
                              ".",
                              {"Relación f/D: 0.13", "Del borde al LNB: 1295.9", ""}},
                    FormatRow{{DishShape::Centred, 0.6, 4.2901},
                              ",",
                              {"Relación f/D: 0,60", "Del borde al LNB: 4,29", ""}},
                    FormatRow{{DishShape::Centred, 0.6, 0.42901},
                              ",",
                              {"Relación f/D: 0,60", "Del borde al LNB: 0,429", ""}},
                    FormatRow{
                        {DishShape::Offset, 0.6904, 35.9952, 60.9952, 22.61986},
                        ",",
                        {"Ángulo de offset: 22,6° · f/D equivalente: 0,69",
                         "Del borde inferior al LNB: 36,0", "Del borde superior al LNB: 61,0"}}));

// Where a step overflows, underflows or is no number there is no sheet.
struct NoSheetRow {
    const char* what;
    double vertical, horizontal, depth;
};

void PrintTo(const NoSheetRow& row, std::ostream* os) {
    *os << row.what;
}

class NoSheet : public testing::TestWithParam<NoSheetRow> {};

TEST_P(NoSheet, RatherThanAWrongNumber) {
    const auto& [what, V, H, p] = GetParam();
    const double D = (V + H) / 2;
    EXPECT_EQ(lnb::dishSheet(V, H, p, D * D / (16 * p)), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NoSheet,
    testing::Values(NoSheetRow{"a distance to the focus overflows", 1.1e200, 1e200, 1e199},
                    NoSheetRow{"a NaN diameter", std::nan(""), 60, 5},
                    NoSheetRow{"wider than tall", 60, 65, 5.77},
                    NoSheetRow{"an offset angle over 45°", 80, 9, 10},
                    NoSheetRow{"an offset dish no feed could see", 65, 60, 0.01},
                    NoSheetRow{"a centred rim beyond any number", 1e308, 1e308, 1e-300},
                    NoSheetRow{"an offset angle a hair over 45°", 100000, 70710.67811865475, 10000},
                    NoSheetRow{"figures so small the parent's focal length is subnormal", 2e-308,
                               1.6e-308, 1.6e-309}));

// The largest offset angle a sheet is made for is 45° itself.
TEST(Sheet, IsMadeForAnOffsetAngleOfExactly45Degrees) {
    const double V = 100000, H = 70710.67811865476, p = 10000;
    const double D = (V + H) / 2;
    const auto sheet = lnb::dishSheet(V, H, p, D * D / (16 * p));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->offsetAngle, 45);
}

}  // namespace
