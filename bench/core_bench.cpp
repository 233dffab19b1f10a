// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keystroke path: one Change handler, recalculation included; in
// a pointing panel field, the place, both satellites' geometry and the
// other LNB's picture too.
#include <benchmark/benchmark.h>

#include "logic/frm_main_logic.hpp"

namespace {

using lnb::FrmMainLogic;

struct Field {
    lnb::Input input;
    const char* figures[2];  // typed in turn, so that every keystroke changes something
    bool panel = false;      // typed with the panel filled in for Madrid, 19.2 E and 13 E
};

const Field kHorizontal{lnb::Input::Horizontal, {"80", "81"}};
const Field kVertical{lnb::Input::Vertical, {"80", "81"}};
const Field kDepth{lnb::Input::Depth, {"10", "10.5"}};
const Field kLatitude{lnb::Input::Latitude, {"40.4168N", "40.4169N"}, true};

void fillThePanel(FrmMainLogic& frm) {
    frm.showPanel(true);
    frm.type(lnb::Input::Vertical, "87");
    frm.type(lnb::Input::Depth, "7");
    frm.type(lnb::Input::Longitude, "3.7038W");
    frm.type(lnb::Input::Satellite, "19.2E");
    frm.type(lnb::Input::Satellite2, "13E");
}

void keystroke(benchmark::State& state, const Field& field) {
    FrmMainLogic frm;
    frm.Form_Load();
    if (field.panel)
        fillThePanel(frm);
    std::size_t turn = 0;
    for (auto _ : state) {
        frm.type(field.input, field.figures[turn++ % 2]);
        benchmark::DoNotOptimize(frm.state().txtDistancia.Text.data());
    }
}

}  // namespace

BENCHMARK_CAPTURE(keystroke, horizontal, kHorizontal);
BENCHMARK_CAPTURE(keystroke, vertical, kVertical);
BENCHMARK_CAPTURE(keystroke, depth, kDepth);
BENCHMARK_CAPTURE(keystroke, latitude, kLatitude);

BENCHMARK_MAIN();
