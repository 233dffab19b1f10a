// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/degrees.hpp"

#include <cmath>

#include "logic/numeric_text.hpp"
#include "logic/pointing.hpp"

namespace lnb::degrees {
namespace {

constexpr std::string_view kDegreeSign = "\u00B0";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The side a letter names: +1 north or east, -1 south or west, 0 none of the
// axis's letters.
int sideOf(char letter, Axis axis) {
    switch (letter) {
        case 'N':
        case 'n':
            return axis == Axis::Latitude ? 1 : 0;
        case 'S':
        case 's':
            return axis == Axis::Latitude ? -1 : 0;
        case 'E':
        case 'e':
            return axis == Axis::Longitude ? 1 : 0;
        case 'O':
        case 'o':
        case 'W':
        case 'w':
            return axis == Axis::Longitude ? -1 : 0;
        default:
            return 0;
    }
}

// A letter that is also an exponent's ("1e" of "1e5") is read as the side
// only where nothing follows it.
bool endsWithSide(std::string_view text, Axis axis) {
    return !text.empty() && sideOf(text.back(), axis) != 0;
}

}  // namespace

double largest(Axis axis) {
    return axis == Axis::Latitude ? pointing::kLargestLatitude : 180;
}

Read read(std::string_view text, Axis axis, std::string_view separator) {
    text = trimmed(text);
    if (text.empty())
        return {Kind::Empty};
    int side = 0;
    if (endsWithSide(text, axis)) {
        side = sideOf(text.back(), axis);
        text = trimmed(text.substr(0, text.size() - 1));
    }
    if (text.ends_with(kDegreeSign))
        text = trimmed(text.substr(0, text.size() - kDegreeSign.size()));
    const bool signed_ = text.starts_with('-') || text.starts_with('+');
    if (side != 0 && signed_ && text.starts_with('-'))
        return {Kind::NotDegrees};  // a minus and a side: which is meant?
    const auto number = numeric_text::classify(text, separator);
    switch (number.kind) {
        case numeric_text::TextKind::Beginning:
            return {side != 0 && text.empty() ? Kind::NotDegrees : Kind::Beginning};
        case numeric_text::TextKind::NotANumber:
            return {Kind::NotDegrees};
        case numeric_text::TextKind::OutOfRange:
            return {Kind::OutOfRange};
        case numeric_text::TextKind::Number:
            break;
    }
    const double value = side < 0 ? -number.value : number.value;
    if (!(std::abs(value) <= largest(axis)))
        return {Kind::OutOfRange};
    return {Kind::Degrees, value};
}

}  // namespace lnb::degrees
