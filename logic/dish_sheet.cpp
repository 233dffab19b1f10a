// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/dish_sheet.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lnb {
namespace {

constexpr double kCentredTolerance = 0.02;  // diameters this close make a centred dish
// The f/D a real dish can have, and the largest offset angle.
constexpr double kSmallestRatio = 0.01;
constexpr double kLargestRatio = 62.5;  // a depth of a thousandth of the diameter
constexpr double kLargestOffsetAngle = 45;

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// A step's value where it is a number of full precision and positive: not
// infinite, not NaN, not underflowed to zero or to a subnormal.
bool isSound(double value) {
    return std::isnormal(value) && value > 0;
}

bool isCentred(double vertical, double horizontal) {
    const double longer = std::max(vertical, horizontal);
    const double shorter = std::min(vertical, horizontal);
    return longer - shorter <= kCentredTolerance * longer;
}

bool isRealRatio(double ratio) {
    return ratio >= kSmallestRatio && ratio <= kLargestRatio;
}

std::optional<DishSheet> centred(double vertical, double horizontal, double depth, double focal) {
    const double ratio = focal / ((vertical + horizontal) / 2);
    const double rimToFocus = focal + depth;
    if (!isRealRatio(ratio) || !isSound(rimToFocus))
        return std::nullopt;
    return DishSheet{DishShape::Centred, ratio, rimToFocus};
}

std::optional<DishSheet> offsetDish(double H, double W, double p) {
    const double angle = degrees(std::acos(W / H));
    if (!(angle <= kLargestOffsetAngle))
        return std::nullopt;
    const double fp = offset::parentFocalLength(W, H, p);
    if (!isSound(fp))
        return std::nullopt;
    const double y0 = offset::centreFromAxis(W, H, fp);
    const double lower = y0 - W / 2;
    const double upper = y0 + W / 2;
    const double d1 = offset::toFocus(fp, lower);
    const double d2 = offset::toFocus(fp, upper);
    const double ratio = offset::equivalentRatio(offset::illuminationAngle(fp, lower, upper));
    if (!std::isfinite(y0) || !isSound(d1) || !isSound(d2) || !isRealRatio(ratio))
        return std::nullopt;
    return DishSheet{DishShape::Offset, ratio, d1, d2, angle};
}

}  // namespace

std::optional<DishSheet> dishSheet(double vertical, double horizontal, double depth, double focal) {
    if (isCentred(vertical, horizontal))
        return centred(vertical, horizontal, depth, focal);
    if (vertical < horizontal)
        return std::nullopt;  // wider than tall: no dish is made so
    return offsetDish(vertical, horizontal, depth);
}

namespace offset {

// As ratios, so that neither W³ nor p · H leaves the range of a double
// where the focal length itself does not.
double parentFocalLength(double W, double H, double p) {
    return W * (W / H) * (W / p) / 16;
}

double centreFromAxis(double W, double H, double fp) {
    const double a = std::sqrt((H / W) * (H / W) - 1);
    return 2 * fp * a;
}

double toFocus(double fp, double y) {
    return fp + y * y / (4 * fp);
}

// Each edge's direction from the focus (0, fp), as its angle from the axis
// towards the vertex: the angle between them is swept across the dish, past
// half a turn where the dish reaches beyond the focus.
double illuminationAngle(double fp, double y1, double y2) {
    const auto fromAxis = [fp](double y) { return std::atan2(y, fp - y * y / (4 * fp)); };
    return fromAxis(y2) - fromAxis(y1);
}

double equivalentRatio(double psi) {
    return 1 / (4 * std::tan(psi / 4));
}

}  // namespace offset

}  // namespace lnb
