// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace lnb {

// The floating-point conditions that stop a handler.
enum class FailureKind { DivisionByZero, InvalidOperation, Overflow };

// What the failing step was about to write.
enum class FailedField { txtMedDiametro, txtMedProfundidad, txtDistancia, Picture };

// Why a handler stopped: a step's value failed, or a picture refused it. The
// steps already taken stay taken.
struct Failure {
    FailureKind kind;
    FailedField field;
    bool operator==(const Failure&) const = default;
};

// Where a handler's steps record the failure that stops them: nothing
// recorded, every step was taken. A step that fails returns false, so that
// the steps after it are not taken.
using Outcome = std::optional<Failure>;

}  // namespace lnb
