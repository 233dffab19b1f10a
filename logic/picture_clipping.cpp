// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/picture_clipping.hpp"

#include <algorithm>
#include <cmath>

namespace lnb::clipping {
namespace {

// Target coordinates within this distance of the visible part are safe for
// every toolkit.
constexpr double kSafeReach = 1 << 24;

int whole(double pixels) {
    return static_cast<int>(std::floor(pixels + 0.5));
}

}  // namespace

std::vector<Span> visibleSpans(double targetStart, double targetLength, int sourceSize,
                               int visibleStart, int visibleEnd) {
    const double start = std::round(targetStart);
    const double end = std::round(targetStart + targetLength);
    if (!(end > start) || sourceSize <= 0 || !std::isfinite(end - start))
        return {};
    const double shownStart = std::max(start, double(visibleStart));
    const double shownEnd = std::min(end, double(visibleEnd));
    if (!(shownEnd > shownStart))
        return {};

    const double scale = (end - start) / sourceSize;  // device pixels per source pixel
    const int first = std::clamp(int(std::floor((shownStart - start) / scale)), 0, sourceSize - 1);
    const int last = std::clamp(int(std::ceil((shownEnd - start) / scale)), first + 1, sourceSize);
    const double from = start + first * scale;
    const double to = start + last * scale;
    if (from >= visibleStart - kSafeReach && to <= visibleEnd + kSafeReach)
        return {{first, last - first, whole(from), whole(to) - whole(from)}};

    // Few source pixels, each far wider than the screen: one span apiece,
    // cut to the visible part.
    std::vector<Span> spans;
    for (int pixel = first; pixel < last; ++pixel) {
        const double a = std::max(start + pixel * scale, shownStart);
        const double b = std::min(start + (pixel + 1) * scale, shownEnd);
        if (b > a)
            spans.push_back({pixel, 1, whole(a), whole(b) - whole(a)});
    }
    return spans;
}

int wholeLength(double targetStart, double targetLength, int cap) {
    const double length = std::round(targetStart + targetLength) - std::round(targetStart);
    if (!(length > 0))
        return 0;
    return length < cap ? static_cast<int>(length) : cap;
}

std::optional<PixelRect> repaintArea(double left, double top, double width, double height,
                                     const PixelRect& window) {
    if (!(width > 0 && height > 0))
        return std::nullopt;
    const auto clamped = [](double value, int low, int high) {
        return static_cast<int>(std::clamp(value, double(low), double(high)));
    };
    const PixelRect area{clamped(std::floor(left) - 1, window.left, window.right),
                         clamped(std::floor(top) - 1, window.top, window.bottom),
                         clamped(std::ceil(left + width) + 1, window.left, window.right),
                         clamped(std::ceil(top + height) + 1, window.top, window.bottom)};
    if (area.right <= area.left || area.bottom <= area.top)
        return std::nullopt;
    return area;
}

}  // namespace lnb::clipping
