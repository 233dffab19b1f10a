// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

// Where a stretched picture meets the screen, worked out in floating point
// before anything becomes a toolkit's coordinate: pictures can be billions of
// pixels across, and toolkits take 32-bit (GDI on some paths 27-bit)
// coordinates. Both windows paint and repaint their pictures through these.
namespace lnb::clipping {

// Along one axis: source pixels [sourceStart, +sourceLength) of the picture
// drawn over target pixels [targetStart, +targetLength). The target may
// reach past the visible part by up to a source pixel; the caller clips.
struct Span {
    int sourceStart, sourceLength;
    int targetStart, targetLength;
    bool operator==(const Span&) const = default;
};

// A picture of `sourceSize` pixels stretched over [targetStart, +targetLength)
// device pixels, of which [visibleStart, visibleEnd) can show. Edges are
// snapped to whole device pixels first: a picture that covers none, or has no
// size (zero or negative), draws nothing. The mapping from source to target
// is the same for any visible part, so that areas painted apart meet without
// a seam. At extreme magnifications each visible source pixel is a span of
// its own, so that no coordinate strays far from the visible part.
std::vector<Span> visibleSpans(double targetStart, double targetLength, int sourceSize,
                               int visibleStart, int visibleEnd);

// How many whole device pixels a picture spans along one axis once its edges
// are snapped (0 for none or a negative size; capped at `cap`).
int wholeLength(double targetStart, double targetLength, int cap);

// A rectangle of whole device pixels.
struct PixelRect {
    int left, top, right, bottom;
    bool operator==(const PixelRect&) const = default;
};

// What to repaint where a picture was or is now: its rectangle (device
// pixels, any size) grown to whole pixels and by one more around, for the
// smoothing at its edges, and cut to `window`. Nothing when the picture draws
// nothing there.
std::optional<PixelRect> repaintArea(double left, double top, double width, double height,
                                     const PixelRect& window);

}  // namespace lnb::clipping
