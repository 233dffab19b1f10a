// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "logic/failure.hpp"

namespace lnb {

// A double that remembers the first floating-point condition raised while it
// was computed, like the processor's sticky flags but kept explicitly: the
// compiler is free to drop or reorder the real flags.
class Checked {
  public:
    Checked(double value) : value_(value) {}  // NOLINT: plain numbers enter expressions freely

    double value() const { return value_; }
    const std::optional<FailureKind>& failure() const { return failure_; }

    friend Checked operator+(Checked a, Checked b);
    friend Checked operator-(Checked a, Checked b);
    friend Checked operator*(Checked a, Checked b);
    friend Checked operator/(Checked a, Checked b);
    friend Checked abs(Checked a);

  private:
    Checked(double value, std::optional<FailureKind> failure) : value_(value), failure_(failure) {}
    static Checked combine(double result, const Checked& a, const Checked& b);

    double value_;
    std::optional<FailureKind> failure_;
};

// Declared here too so that picture properties, which convert to Checked,
// find them.
Checked operator+(Checked a, Checked b);
Checked operator-(Checked a, Checked b);
Checked operator*(Checked a, Checked b);
Checked operator/(Checked a, Checked b);
Checked abs(Checked a);

}  // namespace lnb
