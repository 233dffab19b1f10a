// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keystroke path: a text change in a real input field through to
// a finished repaint of the whole window, rendered offscreen into an image.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>

#include "qt/frm_main.hpp"

namespace {

// The panel shown, filled in for Madrid, 19.2 E and 13 E with an offset dish.
void openThePanelForMadrid(lnb::FrmMain& window) {
    window.findChild<QAbstractButton*>("cmdApuntar")->click();
    for (const auto& [field, text] : {std::pair{"txtVertical", "87"},
                                      {"txtProfundidad", "7"},
                                      {"txtLatitud", "40.4168N"},
                                      {"txtLongitud", "3.7038W"},
                                      {"txtSatelite", "19.2E"},
                                      {"txtSatelite2", "13E"}})
        window.findChild<QLineEdit*>(field)->setText(text);
}

void keystroke(benchmark::State& state, const char* field, QStringList figures,
               bool panel = false) {
    lnb::FrmMain window(".");
    window.Form_Load();
    window.show();
    if (panel)
        openThePanelForMadrid(window);
    auto* input = window.findChild<QLineEdit*>(field);
    QImage frame(window.size(), QImage::Format_RGB32);
    std::size_t turn = 0;
    for (auto _ : state) {
        input->setText(figures[static_cast<qsizetype>(turn++ % 2)]);
        window.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
}

}  // namespace

// The example figures, one unit more or less.
BENCHMARK_CAPTURE(keystroke, example_horizontal, "txtHorizontal", {"80", "81"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(keystroke, example_depth, "txtProfundidad", {"10", "11"})
    ->Unit(benchmark::kMicrosecond);
// A place typed into the pointing panel: the lines and the other LNB too.
BENCHMARK_CAPTURE(keystroke, panel_latitude, "txtLatitud", {"40.4168N", "40.4169N"}, true)
    ->Unit(benchmark::kMicrosecond);
// Dishes larger than the window, still drawn in full detail.
BENCHMARK_CAPTURE(keystroke, large_vertical, "txtVertical", {"400", "401"})
    ->Unit(benchmark::kMicrosecond);
// Dishes billions of pixels wide, drawn magnified from capped renderings.
BENCHMARK_CAPTURE(keystroke, huge_horizontal, "txtHorizontal", {"1e9", "2e9"})
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
