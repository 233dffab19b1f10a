// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "logic/dish_sheet.hpp"
#include "logic/failure.hpp"
#include "logic/window_state.hpp"

namespace lnb {

// Whether the result follows the figures as they stand, or why not. Listed
// from the most to the least urgent: when several apply, the first one wins.
enum class StatusKind {
    NotANumber,       // a field holds text that can never become a number
    OutOfRange,       // a field holds a number too large or too small to read
    ZeroDepth,        // the recalculation divided by a depth of 0; the last result stays
    DepthTooSmall,    // dividing by the depth overflowed: it is too small; the last result stays
    TooLarge,         // an overflow stopped the handler before the result; the last result stays
    Editing,          // a field is empty or holds the beginning of a number
    NotPositive,      // computed as the rules say, but a figure is negative or a diameter 0
    DrawingTooLarge,  // the result is new, but a picture could not follow it
    Current,          // the result and the drawing follow the figures
};

struct Status {
    StatusKind kind = StatusKind::Current;
    std::optional<Input> field;  // NotANumber and OutOfRange: the field concerned
    // NotANumber: "." typed where the locale has ",", or the reverse.
    bool otherSeparatorTyped = false;

    // The result shown is the one the figures give: the window shows it as current.
    bool resultIsCurrent() const {
        return kind == StatusKind::Current || kind == StatusKind::DrawingTooLarge;
    }
    bool operator==(const Status&) const = default;
};

// What the last handler met.
struct HandlerOutcome {
    std::optional<FailureKind> failure;
    bool failedDividing = false;  // the failure came in the quotient, f = D² / (16·p)
    // The result as written, when the result field took a new text before any failure.
    std::optional<double> result;
};

// The three figures as the window reads them (locale-aware).
struct Figures {
    double vertical, horizontal, depth;
    bool operator==(const Figures&) const = default;
};

// A result that follows the figures: the distance from the dish's centre to
// the LNB, as the result field shows it.
struct Result {
    double focal;
    Figures figures;
    bool operator==(const Result&) const = default;
};

// What installers put on the tape, of a current result's figures.
struct Sheet {
    DishSheet sheet;
    Figures figures;
    bool operator==(const Sheet&) const = default;
};

// What a handler leaves, each output its own value: why the result follows
// the figures or not, the result while it does, and the dish sheet where the
// figures describe a real dish.
struct Evaluation {
    Status status;
    std::optional<Result> result;
    std::optional<Sheet> sheet;
};

// The outputs after a handler, from the three input texts (in kFigures order).
Evaluation evaluate(const std::array<std::string_view, 3>& texts, std::string_view separator,
                    const HandlerOutcome& outcome);

}  // namespace lnb
