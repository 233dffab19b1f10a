// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// What installers read next to the distance, from the same three figures: the
// dish sheet. One rule per number.
namespace lnb {

enum class DishShape {
    Centred,  // prime focus: the diameters within 2 % of each other
    Offset,   // taller than wide: the vertical diameter is the offset axis
};

struct DishSheet {
    DishShape shape;
    // f/D; for an offset dish the equivalent f/D, that of the centred dish
    // whose rim the feed sees under the same angle.
    double ratio;
    // From the rim to the focus; for an offset dish from its lower edge.
    double rimToFocus;
    // Offset: from the upper edge to the focus, and the offset angle θ in
    // degrees, cos θ = horizontal / vertical diameter.
    double upperRimToFocus = 0;
    double offsetAngle = 0;
    bool operator==(const DishSheet&) const = default;
};

// The sheet of a real dish whose focal distance (the result) is `focal`;
// nothing where the figures describe no real dish (a dish wider than tall, an
// offset angle over 45°, an f/D outside 0.01 to 62.5: a depth under a
// thousandth of the diameter, or over six diameters), or where a step
// overflows, underflows or is no number: never a wrong number.
std::optional<DishSheet> dishSheet(double vertical, double horizontal, double depth, double focal);

// The rules of an offset dish, W its horizontal diameter, H its vertical one,
// p its depth: it is a part of a larger parent paraboloid, off its axis.
namespace offset {

// The parent paraboloid's focal length: fp = W³ / (16 · p · H).
double parentFocalLength(double W, double H, double p);
// How far from the parent's axis the dish's centre lies: y₀ = 2 · fp · a,
// a = √((H/W)² − 1). Its edges lie W/2 below and above.
double centreFromAxis(double W, double H, double fp);
// From the parent's surface at `y` from its axis to its focus: fp + y² / (4 · fp).
double toFocus(double fp, double y);
// The angle at the focus between the surface at y₁ and at y₂ (y₁ < y₂), in
// radians, swept across the dish.
double illuminationAngle(double fp, double y1, double y2);
// The f/D of the centred dish whose rim is seen under the angle ψ:
// 1 / (4 · tan(ψ / 4)).
double equivalentRatio(double psi);

}  // namespace offset

}  // namespace lnb
