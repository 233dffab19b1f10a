// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Degrees as people write a place or a satellite's position: a number in the
// locale's notation, perhaps a degree sign, and a letter for the side, with
// a space or not ("40,42 N", "3,7O", "19,2° E", "30 W"); or a sign, negative
// for south or west ("-3,70").
namespace lnb::degrees {

enum class Axis {
    Latitude,   // N or S
    Longitude,  // E, or O (oeste) or W
};

enum class Kind {
    Empty,       // nothing typed (only blanks)
    Beginning,   // the start of a figure: more is to come ("-", "40,", "1e")
    NotDegrees,  // no typing at its end can make it degrees ("abc", "N40", "-3 O")
    OutOfRange,  // beyond the axis's limits (a latitude past the arc's, a longitude past 180°)
    Degrees,     // `value` holds them, north and east positive
};

struct Read {
    Kind kind;
    double value = 0;
};

Read read(std::string_view text, Axis axis, std::string_view separator);

// The largest latitude (pointing::kLargestLatitude) or longitude (180°).
double largest(Axis axis);

}  // namespace lnb::degrees
