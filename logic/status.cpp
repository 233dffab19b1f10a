// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/status.hpp"

#include <cassert>

#include "logic/numeric_text.hpp"

namespace lnb {
namespace {

using numeric_text::TextKind;

struct Readings {
    std::array<numeric_text::Classified, 3> fields;

    // The first field whose text is of `kind`.
    std::optional<Input> first(TextKind kind) const {
        for (const Input input : kFigures) {
            if (of(input).kind == kind)
                return input;
        }
        return std::nullopt;
    }
    const numeric_text::Classified& of(Input input) const {
        return fields[static_cast<std::size_t>(input)];
    }
};

Status only(StatusKind kind) {
    Status status;
    status.kind = kind;
    return status;
}

// Diameters of 0 draw no dish; negative figures draw it inside out.
bool anyFigureNotPositive(const Readings& readings) {
    return readings.of(Input::Vertical).value <= 0 || readings.of(Input::Horizontal).value <= 0 ||
           readings.of(Input::Depth).value < 0;
}

std::optional<Status> unreadableField(const std::array<std::string_view, 3>& texts,
                                      std::string_view separator, const Readings& readings) {
    if (const auto field = readings.first(TextKind::NotANumber)) {
        const auto text = texts[static_cast<std::size_t>(*field)];
        return Status{StatusKind::NotANumber, field,
                      numeric_text::hasOtherSeparator(text, separator)};
    }
    if (const auto field = readings.first(TextKind::OutOfRange))
        return Status{StatusKind::OutOfRange, field, false};
    return std::nullopt;
}

Status statusOf(const std::array<std::string_view, 3>& texts, std::string_view separator,
                const HandlerOutcome& outcome, const Readings& readings) {
    if (auto unreadable = unreadableField(texts, separator, readings))
        return *unreadable;
    if (outcome.failure && !outcome.result) {
        // Only the depth divides: 0/0 and x/0 both come from a depth of 0, and
        // a quotient too large from a depth too small.
        if (*outcome.failure != FailureKind::Overflow)
            return only(StatusKind::ZeroDepth);
        return only(outcome.failedDividing ? StatusKind::DepthTooSmall : StatusKind::TooLarge);
    }
    if (readings.first(TextKind::Beginning))
        return only(StatusKind::Editing);
    // All three are numbers and the handler ran past the result.
    assert(outcome.result);
    if (anyFigureNotPositive(readings))
        return only(StatusKind::NotPositive);
    if (outcome.failure)
        return only(StatusKind::DrawingTooLarge);
    return only(StatusKind::Current);
}

}  // namespace

Evaluation evaluate(const std::array<std::string_view, 3>& texts, std::string_view separator,
                    const HandlerOutcome& outcome) {
    Readings readings;
    for (const Input input : kFigures) {
        const auto index = static_cast<std::size_t>(input);
        readings.fields[index] = numeric_text::classify(texts[index], separator);
    }
    Evaluation evaluation{statusOf(texts, separator, outcome, readings), std::nullopt,
                          std::nullopt};
    if (!evaluation.status.resultIsCurrent())
        return evaluation;
    const Figures figures{readings.of(Input::Vertical).value, readings.of(Input::Horizontal).value,
                          readings.of(Input::Depth).value};
    evaluation.result = Result{*outcome.result, figures};
    if (evaluation.status.kind != StatusKind::Current)
        return evaluation;
    if (const auto sheet =
            dishSheet(figures.vertical, figures.horizontal, figures.depth, *outcome.result))
        evaluation.sheet = Sheet{*sheet, figures};
    return evaluation;
}

}  // namespace lnb
