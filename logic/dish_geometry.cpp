// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/dish_geometry.hpp"

namespace lnb::geometry {
namespace {

// Escala is a 16-bit integer; it enters every product as a double.
Checked scale(const WindowState& frm) {
    return static_cast<double>(frm.Escala);
}

}  // namespace

bool initialCollapse(WindowState& frm, Outcome& failure) {
    return frm.imgPlato1.Top.set(2520, failure) && frm.imgPlato2.Top.set(2520, failure) &&
           frm.imgPlato1.Height.set(0, failure) && frm.imgPlato2.Height.set(0, failure) &&
           frm.imgPlato1.Width.set(0, failure) && frm.imgPlato2.Width.set(0, failure);
}

bool horizontalGroup(WindowState& frm, double H, Outcome& failure) {
    return frm.imgPlato2.Width.set(Checked(H) * scale(frm), failure) &&
           frm.imgLnb2.Left.set(
               frm.imgPlato2.Width / 2 - frm.imgLnb2.Width / 2 + frm.imgPlato2.Left, failure) &&
           // The side-view arm starts at the rim plane, as the depth group also sets it.
           frm.imgPalo1.Left.set(frm.imgPlato1.Width + frm.imgPlato1.Left, failure) &&
           frm.imgPalo2.Left.set(
               frm.imgPlato2.Width / 2 - frm.imgPalo2.Width / 2 + frm.imgPlato2.Left, failure);
}

bool verticalGroup(WindowState& frm, double V, Outcome& failure) {
    return frm.imgPlato1.Height.set(Checked(V) * scale(frm), failure) &&
           frm.imgPlato2.Height.set(Checked(V) * scale(frm), failure) &&
           frm.imgLnb1.Top.set(
               frm.imgPlato1.Height / 2 - frm.imgLnb1.Height / 2 + frm.imgPlato1.Top, failure) &&
           frm.imgLnb2.Top.set(
               frm.imgPlato2.Height / 2 - frm.imgLnb2.Height / 2 + frm.imgPlato2.Top, failure) &&
           frm.imgPalo1.Top.set(frm.imgLnb1.Height + frm.imgLnb1.Top, failure) &&
           frm.imgPalo2.Top.set(frm.imgLnb2.Height + frm.imgLnb2.Top, failure) &&
           // The arms hang from the LNB to the dish's lower edge, whichever way round.
           frm.imgPalo1.Height.set(abs(frm.imgPlato1.Height + frm.imgPlato1.Top - frm.imgPalo1.Top),
                                   failure) &&
           frm.imgPalo2.Height.set(abs(frm.imgPlato2.Height + frm.imgPlato2.Top - frm.imgPalo2.Top),
                                   failure);
}

bool depthGroup(WindowState& frm, double p, Outcome& failure) {
    return frm.imgPlato1.Width.set(Checked(p) * scale(frm), failure) &&
           frm.imgPalo1.Left.set(frm.imgPlato1.Width + frm.imgPlato1.Left, failure);
}

bool focalPlacement(WindowState& frm, double F, Outcome& failure) {
    return frm.imgLnb1.Left.set(Checked(F) * scale(frm) + frm.imgPlato1.Left, failure) &&
           frm.imgPalo1.Width.set(
               (frm.imgLnb1.Left + frm.imgLnb1.Width) - (frm.imgPlato1.Left + frm.imgPlato1.Width),
               failure);
}

}  // namespace lnb::geometry
