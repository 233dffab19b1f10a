// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says after each handler: the status the core decides and
// the words every window shows for it.
#include <gtest/gtest.h>

#include "frm_main_logic.hpp"
#include "texts.hpp"

namespace {

using lnb::Input;
using lnb::StatusKind;

struct StatusRow {
    const char* separator;
    std::vector<std::pair<Input, const char*>> typed;  // in turn, after Load
    StatusKind kind;
    const char* result;
    const char* line;
};

void PrintTo(const StatusRow& row, std::ostream* os) {
    *os << "'" << row.separator << "'";
    for (const auto& [input, text] : row.typed)
        *os << ' ' << static_cast<int>(input) << '=' << text;
}

class StatusAfterTyping : public testing::TestWithParam<StatusRow> {};

TEST_P(StatusAfterTyping, DecidesResultAndLine) {
    const StatusRow& row = GetParam();
    lnb::FrmMainLogic frm(row.separator);
    frm.Form_Load();
    for (const auto& [input, text] : row.typed) {
        frm.field(input).Text = text;
        frm.change(input);
    }
    EXPECT_EQ(frm.status().kind, row.kind);
    EXPECT_EQ(frm.txtDistancia.Text, row.result);
    EXPECT_EQ(lnb::texts::statusLine(frm.status(), row.separator).text, row.line);
}

constexpr auto V = Input::Vertical;
constexpr auto H = Input::Horizontal;
constexpr auto p = Input::Depth;

INSTANTIATE_TEST_SUITE_P(
    Rows, StatusAfterTyping,
    testing::Values(
        // current: what installers read next to the distance
        StatusRow{".", {{H, "90"}}, StatusKind::Current, "45.15625", "Ángulo de offset: 27.3°"},
        StatusRow{",", {{H, "80,5"}}, StatusKind::Current, "40,250390625", "Relación f/D: 0,50"},
        StatusRow{",", {}, StatusKind::Current, "40", "Relación f/D: 0,50"},
        StatusRow{".", {}, StatusKind::Current, "40", "Relación f/D: 0.50"},
        StatusRow{".",
                  {{V, "65"}, {H, "60"}, {p, "5.77"}},
                  StatusKind::Current,
                  "42.3120667244367",
                  "Ángulo de offset: 22.6°"},
        StatusRow{".",
                  {{V, "120"}, {H, "120"}, {p, "24"}},
                  StatusKind::Current,
                  "37.5",
                  "Relación f/D: 0.31"},
        StatusRow{".", {{H, "81.6"}}, StatusKind::Current, "40.804", "Relación f/D: 0.51"},
        StatusRow{
            ".", {{H, "81.7"}}, StatusKind::Current, "40.854515625", "Ángulo de offset: 11.7°"},
        StatusRow{".", {{p, "0"}, {p, "10"}}, StatusKind::Current, "40", "Relación f/D: 0.50"},
        // mid-edit: the last result stays, nothing is said
        StatusRow{".", {{H, ""}}, StatusKind::Editing, "40", ""},
        StatusRow{".", {{V, "1e"}}, StatusKind::Editing, "40", ""},
        StatusRow{",", {{p, "-"}}, StatusKind::Editing, "40", ""},
        StatusRow{",", {{p, ","}}, StatusKind::Editing, "40", ""},
        StatusRow{".", {{H, "+"}}, StatusKind::Editing, "40", ""},
        // text that can never be a number, naming the field
        StatusRow{
            ".", {{V, "abc"}}, StatusKind::NotANumber, "40", "Escriba un número en «Vertical»."},
        StatusRow{
            ",", {{H, "1,,5"}}, StatusKind::NotANumber, "40", "Escriba un número en «Horizontal»."},
        StatusRow{",",
                  {{p, "1.5"}},
                  StatusKind::NotANumber,
                  "40",
                  "Escriba un número en «Profundidad» (decimales con «,»)."},
        StatusRow{".",
                  {{p, "1,5"}},
                  StatusKind::NotANumber,
                  "40",
                  "Escriba un número en «Profundidad» (decimales con «.»)."},
        StatusRow{".",
                  {{V, "1e400"}},
                  StatusKind::OutOfRange,
                  "40",
                  "El número en «Vertical» es demasiado grande o pequeño."},
        StatusRow{",",
                  {{p, "1e-400"}},
                  StatusKind::OutOfRange,
                  "40",
                  "El número en «Profundidad» es demasiado grande o pequeño."},
        // computed as the rules say, but no real dish
        StatusRow{
            ".", {{H, "-80"}}, StatusKind::NotPositive, "0", "Las medidas deben ser positivas."},
        StatusRow{".",
                  {{H, "0"}, {V, "0"}},
                  StatusKind::NotPositive,
                  "0",
                  "Las medidas deben ser positivas."},
        StatusRow{
            ",", {{p, "-10"}}, StatusKind::NotPositive, "-40", "Las medidas deben ser positivas."},
        StatusRow{
            ".", {{H, "-0"}}, StatusKind::NotPositive, "10", "Las medidas deben ser positivas."},
        // failures keep the last result
        StatusRow{".", {{p, "0"}}, StatusKind::ZeroDepth, "40", "La profundidad no puede ser 0."},
        StatusRow{",", {{p, "-0"}}, StatusKind::ZeroDepth, "40", "La profundidad no puede ser 0."},
        StatusRow{
            ".", {{V, "1e300"}}, StatusKind::TooLarge, "40", "Las medidas son demasiado grandes."},
        StatusRow{
            ".", {{H, "1e37"}}, StatusKind::TooLarge, "40", "Las medidas son demasiado grandes."},
        // the result is new and right; only the drawing could not follow it
        StatusRow{".",
                  {{V, "1e30"}},
                  StatusKind::DrawingTooLarge,
                  "1.5625E+57",
                  "El dibujo no puede seguir medidas tan grandes."},
        // priority: a field that can never be a number outranks the rest
        StatusRow{".",
                  {{p, "0"}, {H, "x"}},
                  StatusKind::NotANumber,
                  "40",
                  "Escriba un número en «Horizontal»."},
        StatusRow{".",
                  {{V, ""}, {p, "1e999"}},
                  StatusKind::OutOfRange,
                  "40",
                  "El número en «Profundidad» es demasiado grande o pequeño."},
        StatusRow{".",
                  {{V, ""}, {H, "1e37"}},
                  StatusKind::TooLarge,
                  "40",
                  "Las medidas son demasiado grandes."},
        StatusRow{".", {{p, "-10"}, {V, ""}}, StatusKind::Editing, "-40", ""},
        // a depth typed after "0" recovers
        StatusRow{".", {{p, "0"}, {p, "0.5"}}, StatusKind::Current, "800", "Relación f/D: 10.00"}));

}  // namespace
