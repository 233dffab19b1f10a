// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of events on the window, through the face the windows use
// (so the view is made after each): texts typed into any input field and
// fields entered, with either separator. Never a crash, never an exception
// out of a handler or the view, never an infinite rectangle, a non-numeric text
// changes nothing, and a status that calls the result current has a result
// written by that very handler.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "design/presenter.hpp"
#include "logic/numeric_text.hpp"
#include "tests/fixed_pitch.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace {

using lnb::Presenter;
using lnb::Rect;

bool finite(const Rect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
           std::isfinite(r.height);
}

std::array<std::string, 3> results(const lnb::WindowState& state) {
    return {state.txtMedDiametro.Text, state.txtMedProfundidad.Text, state.txtDistancia.Text};
}

// Types `text` into `field` and checks what the handler did: a figure that
// is no number changes neither the drawings nor the results; the pointing
// panel's fields never change the results.
void type(Presenter& window, lnb::Input field, const std::string& text) {
    const auto& frm = window.logic();
    const auto before = frm.state().pictureRects();
    const auto resultsBefore = results(frm.state());
    const bool numeric = lnb::numeric_text::read(text, frm.decimalSeparator()).has_value();
    try {
        window.type(field, text);
    } catch (...) {
        FUZZ_REQUIRE(false && "an exception left a handler");
    }
    for (const Rect& r : frm.state().pictureRects()) FUZZ_REQUIRE(finite(r));
    if (!lnb::isFigure(field)) {
        FUZZ_REQUIRE(results(frm.state()) == resultsBefore);
        return;
    }
    FUZZ_REQUIRE(numeric || !frm.failure());
    if (frm.status().resultIsCurrent())
        FUZZ_REQUIRE(numeric);
    if (!numeric) {
        FUZZ_REQUIRE(frm.state().pictureRects() == before);
        FUZZ_REQUIRE(results(frm.state()) == resultsBefore);
    }
}

// Entering a field changes its selection only.
void enter(Presenter& window, lnb::Input field, int caret) {
    const auto& frm = window.logic();
    const auto before = frm.state().pictureRects();
    const auto resultsBefore = results(frm.state());
    try {
        window.enter(field, caret, lnb::Entry::Keyboard);
    } catch (...) {
        FUZZ_REQUIRE(false && "an exception left a handler");
    }
    FUZZ_REQUIRE(frm.state().pictureRects() == before);
    FUZZ_REQUIRE(results(frm.state()) == resultsBefore);
}

}  // namespace

// Input: a byte for the separator (bit 0) and whether the pointing panel
// shows (bit 1), then events. An event byte picks the field (its value mod
// the number of fields) and whether to type (a length byte and that many
// bytes of text follow) or to enter the field (its bits 2 to 6 give the
// caret).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const lnb::testing::FixedPitch measure;
    Presenter window(data[0] % 2 ? "," : ".", measure);
    window.load();
    if (data[0] & 2)
        window.togglePanel();
    size_t at = 1;
    while (at < size) {
        const uint8_t event = data[at++];
        const auto field = lnb::kInputs[event % lnb::kInputs.size()];
        if (event & 0x80) {
            enter(window, field, (event >> 2) & 0x1F);
            continue;
        }
        size_t length = 0;
        if (at < size) {
            length = data[at++];
            length = std::min(length, size - at);
        }
        type(window, field, std::string(reinterpret_cast<const char*>(data + at), length));
        at += length;
    }
    return 0;
}
