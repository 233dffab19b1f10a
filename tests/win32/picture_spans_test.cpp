// SPDX-License-Identifier: GPL-3.0-or-later
// Where a stretched picture meets the screen, at any figure.
#include "picture_spans.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace {

using lnb::win32::Span;
using lnb::win32::visibleSpans;

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

}  // namespace
