// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/pointing.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lnb::pointing {
namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

struct Vector {
    double x, y, z;
    Vector operator-(const Vector& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vector operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(const Vector& o) const { return x * o.x + y * o.y + z * o.z; }
    Vector cross(const Vector& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    Vector unit() const { return *this * (1 / std::sqrt(dot(*this))); }
};

// The place's own directions, in the Earth's frame (its centre, x towards
// 0° E on the equator, z towards the north pole).
struct Frame {
    explicit Frame(const Place& place) {
        const double phi = radians(place.latitude);
        const double lambda = radians(place.longitude);
        east = {-std::sin(lambda), std::cos(lambda), 0};
        north = {-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda),
                 std::cos(phi)};
        up = {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
        position = up * kEarthRadius;
    }
    Vector east, north, up, position;
};

Vector satelliteAt(double longitude) {
    const double lambda = radians(longitude);
    return {kOrbitRadius * std::cos(lambda), kOrbitRadius * std::sin(lambda), 0};
}

// Looking at a satellite from the place: the line of sight, and the right
// and up of the view around it (the right level with the ground).
struct View {
    View(const Frame& frame, double satellite)
        : sight((satelliteAt(satellite) - frame.position).unit()),
          right(sight.cross(frame.up).unit()),
          up(right.cross(sight)) {}
    Vector sight, right, up;
};

}  // namespace

LookAngles lookAngles(const Place& place, double satellite) {
    const Frame frame(place);
    const View view(frame, satellite);
    const double azimuth =
        degrees(std::atan2(view.sight.dot(frame.east), view.sight.dot(frame.north)));
    const double elevation = degrees(std::asin(std::clamp(view.sight.dot(frame.up), -1.0, 1.0)));
    // The arc's way at the satellite, eastward, as the view shows it: a
    // line, so its angle counts within a half turn.
    const double lambda = radians(satellite);
    const Vector along{-std::sin(lambda), std::cos(lambda), 0};
    double skew = degrees(std::atan2(along.dot(view.up), along.dot(view.right)));
    if (skew > 90)
        skew -= 180;
    else if (skew <= -90)
        skew += 180;
    // Within [0, 360): a hair west of north is north, not 360.
    const double bearing = std::fmod(azimuth + 360, 360);
    return {bearing, elevation, skew};
}

bool eastOnTheRightFromTheFront(const LookAngles& look) {
    return std::cos(radians(look.azimuth)) < 0;
}

double separation(const Place& place, double satellite, double other) {
    const Frame frame(place);
    const double cosine = View(frame, satellite).sight.dot(View(frame, other).sight);
    return degrees(std::acos(std::clamp(cosine, -1.0, 1.0)));
}

double beamDeviationFactor(double ratio) {
    const double q = 1 / (4 * ratio);
    return (1 + 0.36 * q * q) / (1 + q * q);
}

Offset otherLnb(const Place& place, double satellite, double other, double focal, double ratio) {
    const Frame frame(place);
    const View view(frame, satellite);
    const Vector towards = View(frame, other).sight;
    const double across = towards.dot(view.right);
    const double up = towards.dot(view.up);
    const double length = std::hypot(across, up);
    const double distance =
        focal * std::tan(radians(separation(place, satellite, other)) / beamDeviationFactor(ratio));
    if (!(length > 0))
        return {distance, 0, 0};
    // The view's right, as the ground's east or west.
    const double rightIsEast = view.right.dot(frame.east) >= 0 ? 1 : -1;
    return {distance, -across / length * distance * rightIsEast, -up / length * distance};
}

}  // namespace lnb::pointing
