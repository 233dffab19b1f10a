// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/dish_geometry.hpp"

namespace lnb::geometry {
namespace {

// Escala is a 16-bit integer; it enters every product as a double.
Checked scale(const WindowState& frm) {
    return static_cast<double>(frm.Escala);
}

}  // namespace

void initialCollapse(WindowState& frm) {
    frm.imgPlato1.Top = 2520;
    frm.imgPlato2.Top = 2520;
    frm.imgPlato1.Height = 0;
    frm.imgPlato2.Height = 0;
    frm.imgPlato1.Width = 0;
    frm.imgPlato2.Width = 0;
}

void horizontalGroup(WindowState& frm, double H) {
    frm.imgPlato2.Width = Checked(H) * scale(frm);
    frm.imgLnb2.Left = frm.imgPlato2.Width / 2 - frm.imgLnb2.Width / 2 + frm.imgPlato2.Left;
    // The side-view arm starts at the rim plane, as the depth group also sets it.
    frm.imgPalo1.Left = frm.imgPlato1.Width + frm.imgPlato1.Left;
    frm.imgPalo2.Left = frm.imgPlato2.Width / 2 - frm.imgPalo2.Width / 2 + frm.imgPlato2.Left;
}

void verticalGroup(WindowState& frm, double V) {
    frm.imgPlato1.Height = Checked(V) * scale(frm);
    frm.imgPlato2.Height = Checked(V) * scale(frm);
    frm.imgLnb1.Top = frm.imgPlato1.Height / 2 - frm.imgLnb1.Height / 2 + frm.imgPlato1.Top;
    frm.imgLnb2.Top = frm.imgPlato2.Height / 2 - frm.imgLnb2.Height / 2 + frm.imgPlato2.Top;
    frm.imgPalo1.Top = frm.imgLnb1.Height + frm.imgLnb1.Top;
    frm.imgPalo2.Top = frm.imgLnb2.Height + frm.imgLnb2.Top;
    // The arms hang from the LNB to the dish's lower edge, whichever way round.
    frm.imgPalo1.Height = abs(frm.imgPlato1.Height + frm.imgPlato1.Top - frm.imgPalo1.Top);
    frm.imgPalo2.Height = abs(frm.imgPlato2.Height + frm.imgPlato2.Top - frm.imgPalo2.Top);
}

void depthGroup(WindowState& frm, double p) {
    frm.imgPlato1.Width = Checked(p) * scale(frm);
    frm.imgPalo1.Left = frm.imgPlato1.Width + frm.imgPlato1.Left;
}

void focalPlacement(WindowState& frm, double F) {
    frm.imgLnb1.Left = Checked(F) * scale(frm) + frm.imgPlato1.Left;
    frm.imgPalo1.Width =
        (frm.imgLnb1.Left + frm.imgLnb1.Width) - (frm.imgPlato1.Left + frm.imgPlato1.Width);
}

}  // namespace lnb::geometry
