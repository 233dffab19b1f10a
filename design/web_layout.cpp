// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/web_layout.hpp"

namespace lnb::design::web {
namespace {

constexpr std::array<Id, 1> kDiameter{Id::Frame1};
constexpr std::array<Id, 1> kDepth{Id::Frame2};
constexpr std::array<Id, 3> kResult{Id::Label3, Id::txtDistancia, Id::lblAviso};
constexpr std::array<Id, 1> kSheet{Id::fraFicha};
constexpr std::array<Id, 1> kUnits{Id::Medida};
constexpr std::array<PictureId, 3> kSideView{PictureId::imgPlato1, PictureId::imgLnb1,
                                             PictureId::imgPalo1};
constexpr std::array<PictureId, 3> kFrontView{PictureId::imgPlato2, PictureId::imgLnb2,
                                              PictureId::imgPalo2};
constexpr std::array<Id, 2> kCredit{Id::Label4, Id::Label5};

}  // namespace

// Each area is its controls' rectangle (the result's with its menu button);
// the views are the window below the frames, split where the front view's
// dish begins; the credit is the part of its two lines that the window shows.
const std::array<Block, 8> kColumn{{
    {"diameter", {240, 240, 4335, 2175}, kDiameter, {}},
    {"depth", {4800, 1320, 2535, 1095}, kDepth, {}},
    {"result", {7620, 1320, 4335, 1275}, kResult, {}},
    {"sheet", {7560, 240, 4275, 975}, kSheet, {}},
    {"units", {4800, 240, 2535, 975}, kUnits, {}},
    {"side view", {0, 2415, 5640, 6705}, {}, kSideView},
    {"front view", {5400, 2415, 6675, 6705}, {}, kFrontView},
    {"credit", {10440, 9120, 1635, 525}, kCredit, {}},
}};

}  // namespace lnb::design::web
