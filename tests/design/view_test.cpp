// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows after each handler, as the core decides it: the
// result and its colour, the line under it and its colour, the selection an
// entered field takes, the pictures that moved, and the design's colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "design/presenter.hpp"
#include "design/web_layout.hpp"
#include "logic/text_positions.hpp"
#include "tests/contrast.hpp"
#include "tests/data_tables.hpp"
#include "tests/fixed_pitch.hpp"
#include "tests/high_contrast_schemes.hpp"

namespace {

using lnb::Entry;
using lnb::Input;
using lnb::Presenter;
using lnb::View;
using lnb::design::Id;
using lnb::testing::FixedPitch;
using lnb::testing::StatusRow;
using lnb::testing::Tone;

// Colours as the design states them, drawn as 0xRRGGBB.
constexpr lnb::design::Rgb kBlue = 0x0000FF;
constexpr lnb::design::Rgb kWhite = 0xFFFFFF;
constexpr lnb::design::Rgb kBlack = 0x000000;
constexpr lnb::design::Rgb kLightGrey = 0xE0E0E0;
constexpr lnb::design::Rgb kDarkGreen = 0x008000;

struct Window {
    explicit Window(const char* separator = ".") : presenter(separator, measure) {
        presenter.load();
    }
    FixedPitch measure;
    Presenter presenter;
};

class StatusAfterTyping : public testing::TestWithParam<StatusRow> {};

TEST_P(StatusAfterTyping, ShowsResultLineAndSheet) {
    const StatusRow& row = GetParam();
    Window window(row.separator.c_str());
    for (const auto& [input, text] : row.typed) window.presenter.type(input, text);
    const View& view = window.presenter.view();
    EXPECT_EQ(view[Id::txtDistancia].text, row.result);
    EXPECT_EQ(view[Id::txtDistancia].fore == kBlue, row.blue);
    EXPECT_EQ(view[Id::txtDistancia].back, kWhite);
    EXPECT_EQ(view[Id::lblAviso].text, row.line);
    EXPECT_EQ(view[Id::txtDistancia].description, row.line);
    if (row.tone == Tone::Message) {
        const auto ink = view[Id::lblAviso].fore;
        EXPECT_TRUE(ink >> 16 > 0x80 && (ink & 0xFFFF) == 0) << std::hex << ink;
    }
    // The frame and the lines it shows, from the top.
    std::vector<std::string> sheet;
    if (view[Id::fraFicha].shown)
        sheet.push_back(view[Id::fraFicha].text);
    for (const Id line : lnb::design::kSheetLines) {
        if (view[line].shown)
            sheet.push_back(view[line].text);
    }
    EXPECT_EQ(sheet, row.sheet);
    // Only a result that follows the figures is offered for copying.
    for (const Id control :
         {Id::txtVertical, Id::txtHorizontal, Id::txtProfundidad, Id::txtDistancia}) {
        ASSERT_EQ(view[control].menu.size(), 2u);
        for (const lnb::CopyEntry& entry : view[control].menu)
            EXPECT_EQ(entry.enabled, row.blue) << entry.words;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StatusAfterTyping, testing::ValuesIn(lnb::testing::statusRows()));

// "Copiar la ficha" writes each figure as the program reads it, in the
// locale's notation, not as it was typed.
struct CopiedFigure {
    const char* separator;
    Input field;
    const char* typed;
    const char* copiedLine;
};

class CopiedSheet : public testing::TestWithParam<CopiedFigure> {};

TEST_P(CopiedSheet, WritesEachFigureAsRead) {
    const CopiedFigure& row = GetParam();
    Window window(row.separator);
    window.presenter.type(row.field, row.typed);
    const lnb::CopyEntry& copySheet = window.presenter.view()[Id::txtDistancia].menu.at(1);
    ASSERT_EQ(copySheet.words, "Copiar la ficha");
    EXPECT_NE(copySheet.text.find(std::string(row.copiedLine) + "\n"), std::string::npos)
        << copySheet.text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CopiedSheet,
    testing::Values(CopiedFigure{".", Input::Horizontal, "8e1", "Horizontal: 80"},
                    CopiedFigure{",", Input::Vertical, "080,50", "Vertical: 80,5"},
                    CopiedFigure{",", Input::Depth, "1E1", "Profundidad: 10"},
                    CopiedFigure{".", Input::Vertical, " +80.0 ", "Vertical: 80"}));

TEST(View, StartsWithTheDesignsColoursAndTexts) {
    Window window(",");
    const View& view = window.presenter.view();
    EXPECT_EQ(view.window.text,
              "Calcula la distancia necesaria entre el LNB y el centro del plato de una "
              "parabólica.");
    EXPECT_EQ(view.window.back, kWhite);
    for (const Id frame : {Id::Frame1, Id::Frame2, Id::Medida}) {
        EXPECT_EQ(view[frame].fore, kBlue);
        EXPECT_EQ(view[frame].back, kLightGrey);
        EXPECT_EQ(view[frame].pointSize, 13.5);
    }
    EXPECT_EQ(view[Id::Label1].text, "Vertical");
    EXPECT_EQ(view[Id::Label1].fore, kBlack);
    EXPECT_EQ(view[Id::Label3].fore, kWhite);
    EXPECT_EQ(view[Id::Label3].back, kBlue);
    EXPECT_EQ(view[Id::Label4].fore, kDarkGreen);
    EXPECT_EQ(view[Id::Label4].pointSize, 9.75);
    for (const Id option : {Id::Option1, Id::Option2}) {
        EXPECT_EQ(view[option].back, kWhite) << "white, even inside the grey frame";
        EXPECT_NE(view[option].fore, kBlack) << "disabled with its frame";
    }
    for (const Id field : {Id::txtVertical, Id::txtHorizontal, Id::txtProfundidad}) {
        EXPECT_EQ(view[field].fore, kBlack);
        EXPECT_EQ(view[field].back, kWhite);
        EXPECT_EQ(view[field].pointSize, 12);
    }
    EXPECT_EQ(view[Id::txtVertical].text, "80");
    EXPECT_EQ(view[Id::txtProfundidad].text, "10");
    EXPECT_EQ(view[Id::txtMedDiametro].text, "6400");
    EXPECT_EQ(view[Id::txtDistancia].pointSize, 13.5);
    for (const Id field : {Id::txtVertical, Id::txtHorizontal, Id::txtProfundidad})
        EXPECT_EQ(view[field].description, "Medidas: Pulgadas");
    EXPECT_TRUE(view[Id::Option1].checked);
    EXPECT_FALSE(view[Id::Option2].checked);
    EXPECT_FALSE(view[Id::txtMedDiametro].shown);
    EXPECT_TRUE(view[Id::txtDistancia].shown);
    EXPECT_EQ(view[Id::Label4].tooltip, "Distancia LNB, versión 1.00");
}

// The result's room is its field less the border and margin on each side.
TEST(View, ShrinksALongResultAQuarterPointAtATime) {
    Window window;
    window.presenter.type(Input::Horizontal, "1.23456789012345e10");
    window.presenter.type(Input::Vertical, "1.23456789012345e10");
    const View& view = window.presenter.view();
    const std::string& result = view[Id::txtDistancia].text;
    ASSERT_EQ(result, "9.52598672077419E+17");
    const double room = 2775 - 2 * 60;
    const double size = view[Id::txtDistancia].pointSize;
    EXPECT_LT(size, 13.5);
    EXPECT_LE(window.measure.widthInTwips(result, {}, size), room);
    EXPECT_GT(window.measure.widthInTwips(result, {}, size + 0.25), room);
}

// Each text drawn smaller to fit is fitted to its own control: the largest
// size, a quarter point at a time, at which it fits that control's room.
struct LongTexts {
    const char* what;
    std::vector<std::pair<Input, const char*>> typed;
};

void PrintTo(const LongTexts& row, std::ostream* os) {
    *os << row.what;
}

class Fitting : public testing::TestWithParam<LongTexts> {};

TEST_P(Fitting, EachFittedTextTakesTheLargestSizeItsOwnControlHolds) {
    Window window(",");
    for (const auto& [input, text] : GetParam().typed) window.presenter.type(input, text);
    const View& view = window.presenter.view();
    int shrunk = 0;
    for (const lnb::design::Control& control : lnb::design::kControls) {
        if (!(control.flags & lnb::design::kShrinksToFit) || !view[control.id].shown)
            continue;
        const auto& shown = view[control.id];
        const double room =
            control.width -
            (control.kind == lnb::design::Kind::TextField ? 2 * lnb::design::kTextFieldInset : 0);
        const double designed = control.font.pointSize;
        EXPECT_LE(window.measure.widthInTwips(shown.text, control.font, shown.pointSize), room)
            << control.name;
        if (shown.pointSize < designed) {
            ++shrunk;
            EXPECT_GT(window.measure.widthInTwips(shown.text, control.font, shown.pointSize + 0.25),
                      room)
                << control.name;
        }
    }
    EXPECT_GT(shrunk, 0) << "a text of the row is drawn smaller";
}

INSTANTIATE_TEST_SUITE_P(Rows, Fitting,
                         testing::Values(LongTexts{"a long result",
                                                   {{Input::Horizontal, "1,23456789012345e10"},
                                                    {Input::Vertical, "1,23456789012345e10"}}},
                                         LongTexts{"a long message", {{Input::Depth, "1e400"}}},
                                         LongTexts{"long sheet lines",
                                                   {{Input::Horizontal, "1e25"},
                                                    {Input::Vertical, "1e25"},
                                                    {Input::Depth, "1e24"}}}));

TEST(View, NeverShrinksBelowTheFloor) {
    const FixedPitch measure;
    EXPECT_EQ(lnb::fittedPointSize(std::string(500, '9'), {13.5}, 2655, measure), 5.0);
    EXPECT_EQ(lnb::fittedPointSize("40", {13.5}, 2655, measure), 13.5);
}

class HighContrast : public testing::TestWithParam<lnb::design::SystemColours> {};

// Every text reads on what is behind it; the result's state and the heading
// still show, in the system's own colours; the drawings keep their design.
TEST_P(HighContrast, EveryTextReadsInTheSystemsColours) {
    const auto& system = GetParam();
    Window window;
    const View normal = window.presenter.view();
    window.presenter.type(Input::Depth, "0");  // a message, and a result not current
    const View& view = window.presenter.setHighContrast(system);
    EXPECT_EQ(view.window.back, system.window);
    for (const lnb::design::Control& control : lnb::design::kControls) {
        if (control.flags & lnb::design::kHidden)
            continue;
        const auto& shown = view[control.id];
        const bool transparent = control.flags & lnb::design::kTransparent;
        const auto behind = transparent ? view.window.back : shown.back;
        EXPECT_GE(lnb::testing::contrastRatio(shown.fore, behind), 4.5) << control.name;
    }
    EXPECT_EQ(view[Id::Label3].back, system.highlight);
    EXPECT_EQ(view[Id::txtDistancia].fore, system.grayText);
    EXPECT_EQ(window.presenter.type(Input::Depth, "10")[Id::txtDistancia].fore, system.windowText);
    for (std::size_t i = 0; i < view.picturesBottomUp.size(); ++i)
        EXPECT_EQ(view.picturesBottomUp[i].now, normal.picturesBottomUp[i].now);
    EXPECT_EQ(window.presenter.setHighContrast(std::nullopt)[Id::Label3].back, kBlue);
}

INSTANTIATE_TEST_SUITE_P(Schemes, HighContrast,
                         testing::Values(lnb::testing::kHighContrastBlack,
                                         lnb::testing::kHighContrastWhite));

struct EntryRow {
    const char* text;  // typed first
    int caret;         // UTF-16 units
    Entry entry;
    std::optional<lnb::Selection> selection;
};

void PrintTo(const EntryRow& row, std::ostream* os) {
    *os << '"' << row.text << "\" caret " << row.caret;
}

class Entering : public testing::TestWithParam<EntryRow> {};

// Entering selects from the caret to the end, in UTF-16 units as the windows
// count them; a click keeps its caret.
TEST_P(Entering, SelectsFromTheCaretToTheEnd) {
    Window window;
    window.presenter.type(Input::Depth, GetParam().text);
    const View& view = window.presenter.enter(Input::Depth, GetParam().caret, GetParam().entry);
    EXPECT_EQ(view.selection, GetParam().selection);
    EXPECT_EQ(window.presenter.type(Input::Depth, "5").selection, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Entering,
    testing::Values(EntryRow{"80", 0, Entry::Keyboard, lnb::Selection{Input::Depth, 0, 2}},
                    EntryRow{"80", 2, Entry::Keyboard, lnb::Selection{Input::Depth, 2, 0}},
                    EntryRow{"12,5", 1, Entry::Keyboard, lnb::Selection{Input::Depth, 1, 3}},
                    EntryRow{"\u00f1", 0, Entry::Keyboard, lnb::Selection{Input::Depth, 0, 1}},
                    EntryRow{"\u20ac5", 1, Entry::Keyboard, lnb::Selection{Input::Depth, 1, 1}},
                    EntryRow{"1\U0001F600", 1, Entry::Keyboard, lnb::Selection{Input::Depth, 1, 2}},
                    EntryRow{"\U0001F6001", 2, Entry::Keyboard, lnb::Selection{Input::Depth, 2, 1}},
                    EntryRow{"80", 0, Entry::Click, std::nullopt}));

// Only the pictures whose rectangles changed are marked, with where they were.
TEST(View, MarksThePicturesThatMoved) {
    Window window;
    const View before = window.presenter.view();
    const View& view = window.presenter.type(Input::Horizontal, "9");
    std::vector<std::string_view> moved;
    for (const lnb::ShownPicture& picture : view.picturesBottomUp) {
        if (picture.moved())
            moved.push_back(picture.name);
    }
    // The front view narrows; the side view's LNB and arm follow the new focus.
    EXPECT_EQ(moved, (std::vector<std::string_view>{"imgLnb1", "imgPlato2", "imgLnb2", "imgPalo2",
                                                    "imgPalo1"}));
    for (std::size_t i = 0; i < view.picturesBottomUp.size(); ++i)
        EXPECT_EQ(view.picturesBottomUp[i].before, before.picturesBottomUp[i].now);
}

// Positions in a field's text, between the core's characters and the
// windows' UTF-16 units, over characters of 1, 2, 3 and 4 bytes ("a", "é",
// "€", "😀", which takes two units).
struct PositionRow {
    int characters;
    int units;
};

class TextPositions : public testing::TestWithParam<PositionRow> {};

constexpr std::string_view kMixed = "a\u00e9\u20ac\U0001F600b";

TEST_P(TextPositions, CountEachCharacterInItsUnits) {
    namespace tp = lnb::text_positions;
    EXPECT_EQ(tp::toUtf16(kMixed, GetParam().characters), GetParam().units);
    EXPECT_EQ(tp::toCharacters(kMixed, GetParam().units), GetParam().characters);
    EXPECT_EQ(tp::toUtf16(tp::firstUnits(kMixed, GetParam().units), 99), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextPositions,
                         testing::Values(PositionRow{0, 0}, PositionRow{1, 1}, PositionRow{2, 2},
                                         PositionRow{3, 3}, PositionRow{4, 5}, PositionRow{5, 6}));

TEST(TextPositions, NeverSplitAPair) {
    namespace tp = lnb::text_positions;
    EXPECT_EQ(tp::lengthInUtf16(kMixed), 6);
    EXPECT_EQ(tp::toCharacters(kMixed, 4), 3);
    EXPECT_EQ(tp::firstUnits(kMixed, 4), "a\u00e9\u20ac");
    EXPECT_EQ(tp::firstUnits(kMixed, 99), kMixed);
}

// What a paste or the keypad's decimal key puts into a field, as the core
// decides it for both windows: trimmed, in place of the selection, no more
// than the field takes, the caret after it (UTF-16 units throughout).
struct InsertionRow {
    const char* what;
    std::string before;                 // the field's text
    int start, length;                  // the selection
    std::optional<std::string> pasted;  // nothing: the keypad's decimal key
    lnb::Insertion insertion;
};

void PrintTo(const InsertionRow& row, std::ostream* os) {
    *os << row.what;
}

class Inserting : public testing::TestWithParam<InsertionRow> {};

TEST_P(Inserting, PutsWhatFitsWhereTheSelectionIs) {
    const InsertionRow& row = GetParam();
    Window window(",");
    window.presenter.type(Input::Depth, row.before);
    const lnb::Insertion insertion =
        row.pasted ? window.presenter.paste(Input::Depth, row.start, row.length, *row.pasted)
                   : window.presenter.keypadDecimal(Input::Depth, row.start, row.length);
    EXPECT_EQ(insertion, row.insertion);
}

const std::string kFull(lnb::design::kLongestInput - 1, '7');

INSTANTIATE_TEST_SUITE_P(
    Rows, Inserting,
    testing::Values(
        InsertionRow{"a cell's line breaks and tabs", "80", 0, 0, "\t5\r\n", {0, 0, "5", 1}},
        InsertionRow{"over a selection", "80", 0, 1, "\t9\t", {0, 1, "9", 1}},
        InsertionRow{"inner blanks stay", "80", 2, 0, "\n1 5\n", {2, 0, "1 5", 5}},
        InsertionRow{
            "wide characters", "80", 1, 0, "\u20ac\U0001F600", {1, 0, "\u20ac\U0001F600", 4}},
        InsertionRow{"past the end", "80", 9, 4, "5", {2, 0, "5", 3}},
        InsertionRow{"the last unit left", kFull, 32766, 0, "123", {32766, 0, "1", 32767}},
        InsertionRow{"no half pair", kFull, 0, 0, "\U0001F600", {0, 0, "", 0}},
        InsertionRow{"room a selection frees", kFull + "7", 0, 2, "12345", {0, 2, "12", 2}},
        InsertionRow{"the keypad's separator", "80", 2, 0, std::nullopt, {2, 0, ",", 3}},
        InsertionRow{"the keypad over a selection", "805", 1, 2, std::nullopt, {1, 2, ",", 2}}));

}  // namespace

namespace web = lnb::design::web;

bool inside(const web::Area& part, const web::Area& whole) {
    return part.left >= whole.left && part.top >= whole.top &&
           part.left + part.width <= whole.left + whole.width &&
           part.top + part.height <= whole.top + whole.height;
}

// The page's blocks, in both arrangements: each block of controls holds them
// whole (the result's its menu button too), no block reaches past the
// window (grown by the panel for the panel's block, and only for it), and
// every control that shows is in one block.
TEST(PageBlocks, HoldTheirControlsWithinTheWindow) {
    std::vector<Id> placed;
    for (const auto arrangement : {web::Arrangement::Window, web::Arrangement::Column}) {
        for (const web::Block& block : web::kColumn) {
            const lnb::design::Size size = lnb::design::clientSize(web::isPanel(block));
            const web::Area window{0, 0, size.width, size.height};
            const web::Area area = web::areaOf(block, arrangement);
            EXPECT_TRUE(inside(area, window)) << block.name;
            const lnb::design::Size design = lnb::design::clientSize(false);
            EXPECT_EQ(web::isPanel(block), area.left >= design.width) << block.name;
            for (const Id id : block.controls) {
                const lnb::design::Control& control = lnb::design::control(id);
                const auto place = lnb::design::placeInWindow(control);
                web::Area shown{place.left, place.top, control.width, control.height};
                // What lies past the window's edge is not shown (the credit's end).
                shown.width = std::min(shown.width, window.width - shown.left);
                shown.height = std::min(shown.height, window.height - shown.top);
                EXPECT_TRUE(inside(shown, area)) << block.name << " " << control.name;
                if (control.flags & lnb::design::kOwnMenu) {
                    EXPECT_TRUE(inside(web::menuButton(arrangement), area)) << block.name;
                }
                placed.push_back(id);
            }
        }
    }
    for (const lnb::design::Control& control : lnb::design::kControls) {
        const bool own =
            control.container == Id::frmMain && !(control.flags & lnb::design::kHidden);
        EXPECT_EQ(std::count(placed.begin(), placed.end(), control.id), own ? 2 : 0)
            << control.name;
    }
}

// The page's places that follow from the design: the views split where the
// front dish is designed to begin, below the frames and above the credit;
// the menu button beside the result, as tall as its text; a finger's 44 CSS
// pixels in the column; the margin and gap of the frames.
TEST(PageBlocks, FollowTheDesign) {
    const auto block = [](std::string_view name) {
        return *std::find_if(web::kColumn.begin(), web::kColumn.end(),
                             [name](const web::Block& b) { return b.name == name; });
    };
    EXPECT_EQ(web::areaOf(block("side-view"), web::Arrangement::Column),
              (web::Area{0, 2415, 5640, 6705}));
    EXPECT_EQ(web::areaOf(block("front-view"), web::Arrangement::Window),
              (web::Area{5400, 2415, 6675, 6705}));
    EXPECT_EQ(web::menuButton(web::Arrangement::Window), (web::Area{11235, 1830, 480, 435}));
    EXPECT_EQ(web::menuButton(web::Arrangement::Column), (web::Area{11235, 1717, 660, 660}));
    EXPECT_EQ(web::margin(), 240);
    EXPECT_EQ(web::gap(), 225);
    EXPECT_EQ(web::wholeWindowWidth(false), 12555);
    EXPECT_EQ(web::wholeWindowWidth(true), 17955);
    // The pointing panel is its frame, right of the window; in the column
    // it fits a phone held upright (360 CSS pixels) with its margins.
    const web::Area panel = web::areaOf(block("pointing"), web::Arrangement::Column);
    EXPECT_EQ(panel, (web::Area{12315, 240, 4920, 5355}));
    EXPECT_LE(panel.width + 2 * web::margin(), 360 * 15);
    EXPECT_TRUE(web::scales(block("front-view")));
    EXPECT_FALSE(web::scales(block("result")));
}
