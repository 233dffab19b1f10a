#pragma once

#include <optional>
#include <string>
#include <string_view>

// How figures are read from and written to the text of fields. The decimal
// separator is always given by the caller (the user's locale, as the window
// knows it); nothing here looks at the process locale.
namespace lnb::numeric_text {

// The locale-aware reading: the whole text as a finite double, or nothing.
// Accepted: optional blanks around; an optional sign; digits with at most one
// decimal separator (this one only) and at least one digit; an optional
// exponent (e or E, optional sign, digits).
std::optional<double> read(std::string_view text, std::string_view separator);

// The numeric test: true exactly when read() gives a number.
bool isNumeric(std::string_view text, std::string_view separator);

// At most 15 significant digits, no trailing zeros, no grouping; exponent form
// ("1,5E+20", "1E-05") below 1e-4 and from 1e15 on. Zero is written "0".
// Only finite values can be written (std::domain_error otherwise).
std::string write(double value, std::string_view separator);

}  // namespace lnb::numeric_text
