// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/web_layout.hpp"

#include <algorithm>
#include <limits>

namespace lnb::design::web {
namespace {

constexpr std::array<Id, 1> kDiameter{Id::Frame1};
constexpr std::array<Id, 1> kDepth{Id::Frame2};
constexpr std::array<Id, 3> kResult{Id::Label3, Id::txtDistancia, Id::lblAviso};
constexpr std::array<Id, 1> kSheet{Id::fraFicha};
constexpr std::array<Id, 1> kUnits{Id::Medida};
constexpr std::array<Id, 1> kPanelButton{Id::cmdApuntar};
constexpr std::array<Id, 1> kPanel{Id::fraApuntar};
constexpr std::array<PictureId, 3> kSideView{PictureId::imgPlato1, PictureId::imgLnb1,
                                             PictureId::imgPalo1};
constexpr std::array<PictureId, 5> kFrontView{PictureId::imgPlato2, PictureId::imgLnb2,
                                              PictureId::imgPalo2, PictureId::imgLnb3,
                                              PictureId::imgLnb4};
constexpr std::array<Id, 2> kCredit{Id::Label4, Id::Label5};

// The menu button: a field's margin from its control, 32 CSS pixels wide
// and as tall as the control's text within the window; a finger's 44 CSS
// pixels each way in the column.
constexpr int kMenuButtonWidth = 480;
constexpr int kMenuButtonInsetDown = 30;
constexpr int kTouchTarget = 660;

struct Edges {
    int left, top, right, bottom;
};

Edges edgesOf(const Area& area) {
    return {area.left, area.top, area.left + area.width, area.top + area.height};
}

Area areaBetween(const Edges& edges) {
    return {edges.left, edges.top, edges.right - edges.left, edges.bottom - edges.top};
}

Area inWindow(const Control& control) {
    const Place place = placeInWindow(control);
    return {place.left, place.top, control.width, control.height};
}

const Control& withOwnMenu() {
    return *std::find_if(kControls.begin(), kControls.end(),
                         [](const Control& control) { return control.flags & kOwnMenu; });
}

// The drawings' parts: below the frames, above the credit line, split where
// the front view's dish is designed to begin.
Area viewArea(std::span<const PictureId> pictures) {
    const Control& frame = control(Id::Frame1);
    const int top = frame.top + frame.height;
    const int bottom = control(Id::Label4).top;
    const int split = static_cast<int>(WindowState{}.imgPlato2.Left.value());
    if (pictures.front() == PictureId::imgPlato1)
        return {0, top, split, bottom - top};
    const int left = split - margin();
    return {left, top, kFrmMain.clientWidth - left, bottom - top};
}

}  // namespace

const std::array<Block, 10> kColumn{{
    {"diameter", kDiameter, {}},
    {"depth", kDepth, {}},
    {"result", kResult, {}},
    {"sheet", kSheet, {}},
    {"units", kUnits, {}},
    {"pointing-button", kPanelButton, {}},
    {"side-view", {}, kSideView},
    {"front-view", {}, kFrontView},
    {"pointing", kPanel, {}},
    {"credit", kCredit, {}},
}};

int margin() {
    return control(Id::Frame1).left;
}

int gap() {
    const Control& left = control(Id::Frame1);
    return control(Id::Frame2).left - (left.left + left.width);
}

int wholeWindowWidth(bool panelShown) {
    return clientSize(panelShown).width + 2 * margin();
}

bool shows(const Block& block, const View& view) {
    return block.controls.empty() || std::any_of(block.controls.begin(), block.controls.end(),
                                                 [&view](Id id) { return view[id].shown; });
}

bool isPanel(const Block& block) {
    return std::any_of(block.controls.begin(), block.controls.end(),
                       [](Id id) { return inPanel(control(id)); });
}

Area menuButton(Arrangement arrangement) {
    const Area beside = inWindow(withOwnMenu());
    const int left = beside.left + beside.width + kTextFieldInset;
    if (arrangement == Arrangement::Window)
        return {left, beside.top + kMenuButtonInsetDown, kMenuButtonWidth,
                beside.height - 2 * kMenuButtonInsetDown};
    return {left, beside.top + beside.height / 2 - kTouchTarget / 2, kTouchTarget, kTouchTarget};
}

bool scales(const Block& block) {
    return !block.pictures.empty();
}

Area areaOf(const Block& block, Arrangement arrangement) {
    if (!block.pictures.empty())
        return viewArea(block.pictures);
    Edges around{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                 std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    const auto take = [&around](const Area& area) {
        const Edges edges = edgesOf(area);
        around = {std::min(around.left, edges.left), std::min(around.top, edges.top),
                  std::max(around.right, edges.right), std::max(around.bottom, edges.bottom)};
    };
    for (const Id id : block.controls) {
        take(inWindow(control(id)));
        if (control(id).flags & kOwnMenu)
            take(menuButton(arrangement));
    }
    const Size window = clientSize(isPanel(block));
    around.right = std::min(around.right, window.width);
    around.bottom = std::min(around.bottom, window.height);
    return areaBetween(around);
}

}  // namespace lnb::design::web
