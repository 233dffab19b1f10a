// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/web_layout.hpp"

#include <algorithm>

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

struct Edges {
    int left, top, right, bottom;
};

Edges edgesOf(const Area& area) {
    return {area.left, area.top, area.left + area.width, area.top + area.height};
}

Area inWindow(const Control& control) {
    const Place place = placeInWindow(control);
    return {place.left, place.top, control.width, control.height};
}

}  // namespace

// The views are the window below the frames, split where the front view's
// dish begins.
const std::array<Block, 8> kColumn{{
    {"diameter", kDiameter, {}},
    {"depth", kDepth, {}},
    {"result", kResult, {}},
    {"sheet", kSheet, {}},
    {"units", kUnits, {}},
    {"side view", {}, kSideView, {0, 2415, 5640, 6705}},
    {"front view", {}, kFrontView, {5400, 2415, 6675, 6705}},
    {"credit", kCredit, {}},
}};

Area areaOf(const Block& block) {
    if (!block.pictures.empty())
        return block.views;
    Edges around{kFrmMain.clientWidth, kFrmMain.clientHeight, 0, 0};
    const auto take = [&around](const Area& area) {
        const Edges edges = edgesOf(area);
        around = {std::min(around.left, edges.left), std::min(around.top, edges.top),
                  std::max(around.right, edges.right), std::max(around.bottom, edges.bottom)};
    };
    for (const Id id : block.controls) {
        take(inWindow(control(id)));
        if (id == Id::txtDistancia)
            take(kMenuButton);
    }
    const int right = std::min(around.right, kFrmMain.clientWidth);
    const int bottom = std::min(around.bottom, kFrmMain.clientHeight);
    return {around.left, around.top, right - around.left, bottom - around.top};
}

}  // namespace lnb::design::web
