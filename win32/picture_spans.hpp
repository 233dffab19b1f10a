// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Where a stretched picture meets the screen, worked out in floating point
// before anything becomes a GDI coordinate: pictures can be billions of pixels
// across, and GDI takes 32-bit (on some paths 27-bit) coordinates.
namespace lnb::win32 {

// Along one axis: source pixels [sourceStart, +sourceLength) of the picture
// drawn over target pixels [targetStart, +targetLength). The target may
// reach past the visible part by up to a source pixel; the caller clips.
struct Span {
    int sourceStart, sourceLength;
    int targetStart, targetLength;
};

// A picture of `sourceSize` pixels stretched over [targetStart, +targetLength)
// device pixels, of which [visibleStart, visibleEnd) is to be painted. Edges
// are snapped to whole device pixels first: a picture that covers none, or
// has no size (zero or negative), draws nothing. At extreme magnifications
// each visible source pixel is a span of its own, so that no coordinate
// strays far from the visible part.
std::vector<Span> visibleSpans(double targetStart, double targetLength, int sourceSize,
                               int visibleStart, int visibleEnd);

}  // namespace lnb::win32
