// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/checked_number.hpp"

#include <cmath>

namespace lnb {

// Keeps an operand's earlier failure; otherwise a non-finite result is a new
// one: infinity is an overflow, NaN an invalid operation.
Checked Checked::combine(double result, const Checked& a, const Checked& b) {
    if (a.failure_)
        return {result, a.failure_};
    if (b.failure_)
        return {result, b.failure_};
    if (std::isnan(result))
        return {result, FailureKind::InvalidOperation};
    if (std::isinf(result))
        return {result, FailureKind::Overflow};
    return {result, std::nullopt};
}

Checked operator+(Checked a, Checked b) {
    return Checked::combine(a.value_ + b.value_, a, b);
}

Checked operator-(Checked a, Checked b) {
    return Checked::combine(a.value_ - b.value_, a, b);
}

Checked operator*(Checked a, Checked b) {
    return Checked::combine(a.value_ * b.value_, a, b);
}

Checked operator/(Checked a, Checked b) {
    const double quotient = a.value_ / b.value_;
    if (b.value_ == 0.0 && !a.failure_ && !b.failure_ && !std::isnan(a.value_)) {
        const auto kind =
            a.value_ == 0.0 ? FailureKind::InvalidOperation : FailureKind::DivisionByZero;
        return {quotient, kind};
    }
    return Checked::combine(quotient, a, b);
}

Checked abs(Checked a) {
    return {std::fabs(a.value_), a.failure_};
}

}  // namespace lnb
