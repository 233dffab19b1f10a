// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace lnb {

// The floating-point conditions that stop a handler.
enum class FailureKind { DivisionByZero, InvalidOperation, Overflow };

// Thrown by a rule whose expression failed, or whose result a picture refused.
// It ends the handler at that step; the handler's entry point catches it, so
// the steps already taken stay taken and the status tells the user.
class CalcFailure : public std::runtime_error {
  public:
    CalcFailure(FailureKind kind, std::string field);

    FailureKind kind() const { return kind_; }
    // The property being computed, such as "txtDistancia.Text" or "imgPlato2.Width".
    const std::string& field() const { return field_; }

  private:
    FailureKind kind_;
    std::string field_;
};

const char* toString(FailureKind kind);

}  // namespace lnb
