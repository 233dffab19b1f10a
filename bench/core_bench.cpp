// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keystroke path: one Change handler, recalculation included.
#include <benchmark/benchmark.h>

#include "logic/frm_main_logic.hpp"

namespace {

using lnb::FrmMainLogic;

struct Field {
    lnb::Input input;
    const char* figures[2];  // typed in turn, so that every keystroke changes something
};

const Field kHorizontal{lnb::Input::Horizontal, {"80", "81"}};
const Field kVertical{lnb::Input::Vertical, {"80", "81"}};
const Field kDepth{lnb::Input::Depth, {"10", "10.5"}};

void keystroke(benchmark::State& state, const Field& field) {
    FrmMainLogic frm;
    frm.Form_Load();
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

BENCHMARK_MAIN();
