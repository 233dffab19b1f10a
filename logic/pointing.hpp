// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a dish at a place on the Earth points to see a geostationary
// satellite, and where further LNBs go on the same dish for satellites
// beside it. Angles in degrees; latitudes north and longitudes east
// positive. The Earth is a sphere of 6378,137 km; the satellites stand
// 42164,17 km from its centre, above the equator.
namespace lnb::pointing {

struct Place {
    double latitude, longitude;
};

// The satellite's apparent direction from the place, and how the arc of
// geostationary satellites runs there.
struct LookAngles {
    double azimuth;    // from true north, clockwise, 0 to 360
    double elevation;  // above the horizon; below it where negative
    // The LNB's turn so that its horizontal lies along the arc as it is seen
    // from the place, seen from behind the dish looking at the satellite:
    // counter-clockwise where positive. Within ±90°.
    double skew;
};

LookAngles lookAngles(const Place& place, double satellite);

// Whether, seen from the front, the dish's east is on the viewer's right:
// where the dish faces south (facing due east or west counts as north).
bool eastOnTheRightFromTheFront(const LookAngles& look);

// The angle between two satellites as seen from the place.
double separation(const Place& place, double satellite, double other);

// Where the LNB for `other` goes on a dish pointed at `satellite`, beside the
// LNB at the focus, as seen from behind the dish: the distance between the
// two LNBs' mouths, and its parts along the dish's horizontal (east
// positive) and vertical (up positive). The LNB moves opposite to the
// satellite. `focal` is the distance from the dish's centre to the LNB (the
// result), `ratio` the f/D the feed sees.
struct Offset {
    double distance, east, up;
};

Offset otherLnb(const Place& place, double satellite, double other, double focal, double ratio);

// How much less than the satellite's angle an LNB's offset turns the beam:
// (1 + 0,36·q²) / (1 + q²), q = 1 / (4 · f/D).
double beamDeviationFactor(double ratio);

// The largest latitude from which the arc rises above the horizon:
// acos(the Earth's radius / the orbit's), to the tenth of a degree the panel
// writes. Beyond it no satellite can be seen.
inline constexpr double kLargestLatitude = 81.3;

// The Earth's radius and the orbit's, from the Earth's centre (km).
inline constexpr double kEarthRadius = 6378.137;
inline constexpr double kOrbitRadius = 42164.17;

// The most that two satellites received by one dish may lie apart.
inline constexpr double kLargestSeparation = 15;

}  // namespace lnb::pointing
