// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of events on the window state: texts typed into any input
// field and fields entered, with either separator. Never a crash, never an
// exception out of a handler, never an infinite rectangle, a non-numeric text
// changes nothing, and a status that calls the result current has a result
// written by that very handler.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "frm_main_logic.hpp"
#include "fuzz_check.hpp"
#include "numeric_text.hpp"

namespace {

using lnb::FrmMainLogic;
using lnb::Rect;

bool finite(const Rect& r) {
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.width) &&
           std::isfinite(r.height);
}

struct Field {
    lnb::TextField FrmMainLogic::*text;
    void (FrmMainLogic::*change)();
    void (FrmMainLogic::*gotFocus)();
};

const Field kFields[] = {
    {&FrmMainLogic::txtHorizontal, &FrmMainLogic::txtHorizontal_Change,
     &FrmMainLogic::txtHorizontal_GotFocus},
    {&FrmMainLogic::txtVertical, &FrmMainLogic::txtVertical_Change,
     &FrmMainLogic::txtVertical_GotFocus},
    {&FrmMainLogic::txtProfundidad, &FrmMainLogic::txtProfundidad_Change,
     &FrmMainLogic::txtProfundidad_GotFocus},
};

// Types `text` into `field` and checks what the handler did.
void type(FrmMainLogic& frm, const Field& field, std::string text) {
    const auto before = frm.pictureRects();
    const std::array<std::string, 3> resultsBefore{
        frm.txtMedDiametro.Text, frm.txtMedProfundidad.Text, frm.txtDistancia.Text};
    const bool numeric = lnb::numeric_text::isNumeric(text, frm.decimalSeparator());
    (frm.*field.text).Text = std::move(text);
    try {
        (frm.*field.change)();
    } catch (...) {
        FUZZ_REQUIRE(false && "an exception left a handler");
    }
    FUZZ_REQUIRE(numeric || !frm.failure());
    if (frm.status().resultIsCurrent())
        FUZZ_REQUIRE(numeric);
    if (!numeric) {
        FUZZ_REQUIRE(frm.pictureRects() == before);
        FUZZ_REQUIRE(frm.txtMedDiametro.Text == resultsBefore[0]);
        FUZZ_REQUIRE(frm.txtMedProfundidad.Text == resultsBefore[1]);
        FUZZ_REQUIRE(frm.txtDistancia.Text == resultsBefore[2]);
    }
    for (const Rect& r : frm.pictureRects()) FUZZ_REQUIRE(finite(r));
}

}  // namespace

// Input: a separator byte, then events. An event byte picks the field (its
// value mod 3) and whether to type (a length byte and that many bytes of text
// follow) or to enter the field.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    FrmMainLogic frm(data[0] % 2 ? "," : ".");
    frm.Form_Load();
    size_t at = 1;
    while (at < size) {
        const uint8_t event = data[at++];
        const Field& field = kFields[event % 3];
        if (event & 0x80) {
            (frm.*field.gotFocus)();
            FUZZ_REQUIRE((frm.*field.text).SelLength <=
                         static_cast<int>((frm.*field.text).Text.size()));
            continue;
        }
        size_t length = 0;
        if (at < size) {
            length = data[at++];
            length = std::min(length, size - at);
        }
        type(frm, field, std::string(reinterpret_cast<const char*>(data + at), length));
        at += length;
    }
    return 0;
}
