// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keystroke path: one Change handler, recalculation included.
#include <benchmark/benchmark.h>

#include "frm_main_logic.hpp"

namespace {

using lnb::FrmMainLogic;

struct Field {
    lnb::TextField FrmMainLogic::*text;
    void (FrmMainLogic::*change)();
    const char* figures[2];  // typed in turn, so that every keystroke changes something
};

const Field kHorizontal{
    &FrmMainLogic::txtHorizontal, &FrmMainLogic::txtHorizontal_Change, {"80", "81"}};
const Field kVertical{&FrmMainLogic::txtVertical, &FrmMainLogic::txtVertical_Change, {"80", "81"}};
const Field kDepth{
    &FrmMainLogic::txtProfundidad, &FrmMainLogic::txtProfundidad_Change, {"10", "10.5"}};

void keystroke(benchmark::State& state, const Field& field) {
    FrmMainLogic frm;
    frm.Form_Load();
    std::size_t turn = 0;
    for (auto _ : state) {
        (frm.*field.text).Text = field.figures[turn++ % 2];
        (frm.*field.change)();
        benchmark::DoNotOptimize(frm.txtDistancia.Text.data());
    }
}

}  // namespace

BENCHMARK_CAPTURE(keystroke, horizontal, kHorizontal);
BENCHMARK_CAPTURE(keystroke, vertical, kVertical);
BENCHMARK_CAPTURE(keystroke, depth, kDepth);

BENCHMARK_MAIN();
