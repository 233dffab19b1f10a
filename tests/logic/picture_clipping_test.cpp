// SPDX-License-Identifier: GPL-3.0-or-later
// Where a stretched picture meets the screen, at any figure.
#include "logic/picture_clipping.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

using lnb::clipping::PixelRect;
using lnb::clipping::Span;
using lnb::clipping::visibleSpans;

struct SpanRow {
    const char* what;
    double start, length;
    int sourceSize;
    std::size_t spans;  // how many come back
    int firstSource;    // the first span's source pixel
};

void PrintTo(const SpanRow& row, std::ostream* os) {
    *os << row.what;
}

class VisibleSpans : public testing::TestWithParam<SpanRow> {};

// The window shows device pixels 0 to 805; whatever the figure, the spans stay
// near that, cover it where the picture does, and map source onto target.
TEST_P(VisibleSpans, StayNearTheWindowAndCoverIt) {
    const SpanRow& row = GetParam();
    const auto spans = visibleSpans(row.start, row.length, row.sourceSize, 0, 805);
    ASSERT_EQ(spans.size(), row.spans);
    if (spans.empty())
        return;
    EXPECT_EQ(spans.front().sourceStart, row.firstSource);
    for (const Span& span : spans) {
        EXPECT_GT(span.targetLength, 0);
        EXPECT_GT(span.sourceLength, 0);
        EXPECT_GE(span.sourceStart, 0);
        EXPECT_LE(span.sourceStart + span.sourceLength, row.sourceSize);
        EXPECT_GT(span.targetStart, -(1 << 25));
        EXPECT_LT(span.targetStart + span.targetLength, 1 << 25);
    }
    const double shownStart = std::max(row.start, 0.0);
    EXPECT_LE(spans.front().targetStart, shownStart + 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VisibleSpans,
    testing::Values(
        // the worked example's front dish: 320 px at 376 from a 324 px bitmap
        SpanRow{"whole", 376, 320, 324, 1, 0}, SpanRow{"cut on the left", -100, 320, 324, 1, 101},
        SpanRow{"beyond the window", 900, 320, 324, 0, 0}, SpanRow{"zero width", 376, 0, 324, 0, 0},
        SpanRow{"negative width", 376, -225, 324, 0, 0},
        SpanRow{"under half a pixel", 376.2, 0.2, 324, 0, 0},
        SpanRow{"a million pixels", -500000, 1e6, 324, 1, 162},
        SpanRow{"billions of pixels from the left edge", 16, 4e9, 324, 1, 0},
        SpanRow{"1e30 pixels across the window", -5e29, 1e30, 324, 1, 162},
        SpanRow{"a 1e12 pixel arm ending in the window", 400 - 1e12, 1e12, 128, 1, 127},
        SpanRow{"infinite", 0, 1e308 * 10, 324, 0, 0}));

// Painting the window in parts (a child window repaints what lies under it)
// must give the same pixels as painting it whole: a part's spans are the
// whole window's, cut, never remapped.
// A magnified picture whose far edge shows (the right edge across, the
// bottom down) ends there with its last source pixel, however magnified.
class FarEdge : public testing::TestWithParam<double> {};

TEST_P(FarEdge, ShowsTheLastSourcePixelAtTheEdge) {
    const double length = GetParam();
    const double end = 700;  // where the picture ends, inside the window
    const auto spans = visibleSpans(end - length, length, 324, 0, 805);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.back().sourceStart + spans.back().sourceLength, 324);
    EXPECT_EQ(spans.back().targetStart + spans.back().targetLength, end);
}

// Running past the window's edge by half a source pixel, the pixel cut there
// still shows up to the edge.
TEST_P(FarEdge, ReachesTheWindowsEdgeWhereThePictureRunsPastIt) {
    const double length = GetParam();
    const double end = 805 + 0.5 * length / 324;
    const auto spans = visibleSpans(end - length, length, 324, 0, 805);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.back().sourceStart + spans.back().sourceLength, 324);
    EXPECT_GE(spans.back().targetStart + spans.back().targetLength, 805);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FarEdge, testing::Values(320, 3240, 1e6, 4e9, 1e15));

TEST(VisibleSpans, APartMapsAsTheWholeDoes) {
    const auto whole = visibleSpans(376, 320, 324, 0, 805);
    const auto part = visibleSpans(376, 320, 324, 508, 805);
    ASSERT_EQ(whole.size(), 1u);
    ASSERT_EQ(part.size(), 1u);
    const double scale = 320.0 / 324;
    EXPECT_NEAR(part[0].targetStart, 376 + part[0].sourceStart * scale, 0.5);
    EXPECT_EQ(part[0].targetStart + part[0].targetLength,
              whole[0].targetStart + whole[0].targetLength);
}

struct RepaintRow {
    const char* what;
    double left, top, width, height;
    std::optional<PixelRect> area;
};

void PrintTo(const RepaintRow& row, std::ostream* os) {
    *os << row.what;
}

class RepaintArea : public testing::TestWithParam<RepaintRow> {};

TEST_P(RepaintArea, CoversThePictureAndItsSmoothedEdgeInTheWindow) {
    const RepaintRow& row = GetParam();
    EXPECT_EQ(
        lnb::clipping::repaintArea(row.left, row.top, row.width, row.height, {0, 0, 805, 643}),
        row.area);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RepaintArea,
    testing::Values(
        RepaintRow{"the front dish", 376, 168, 320, 320, PixelRect{375, 167, 697, 489}},
        RepaintRow{"on half pixels", 523.5, 315.5, 25, 25, PixelRect{522, 314, 550, 342}},
        RepaintRow{"larger than the window", -1e12, -5, 2e12, 1e30, PixelRect{0, 0, 805, 643}},
        RepaintRow{"outside it", 900, 10, 20, 20, std::nullopt},
        RepaintRow{"no width", 100, 100, 0, 50, std::nullopt},
        RepaintRow{"negative width", 100, 100, -15, 50, std::nullopt}));

}  // namespace
