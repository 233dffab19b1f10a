// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/calc_failure.hpp"

namespace lnb {

CalcFailure::CalcFailure(FailureKind kind, std::string field)
    : std::runtime_error(std::string(toString(kind)) + " computing " + field),
      kind_(kind),
      field_(std::move(field)) {}

const char* toString(FailureKind kind) {
    switch (kind) {
        case FailureKind::DivisionByZero:
            return "division by zero";
        case FailureKind::InvalidOperation:
            return "invalid operation";
        case FailureKind::Overflow:
            return "overflow";
    }
    return "unknown failure";
}

}  // namespace lnb
