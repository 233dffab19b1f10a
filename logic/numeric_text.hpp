// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// How figures are read from and written to the text of fields. The decimal
// separator is always given by the caller (the user's locale, as the window
// knows it); nothing here looks at the process locale.
namespace lnb::numeric_text {

// What a field's text is, read with the locale's separator. A number is:
// optional blanks around; an optional sign; digits with at most one decimal
// separator (this one only) and at least one digit; an optional exponent (e or
// E, optional sign, digits).
enum class TextKind {
    Number,      // reads as a finite double
    Beginning,   // empty, or the start of a number ("-", "1e", ","): more is to come
    NotANumber,  // no typing at its end can make it a number ("abc", "1..5")
    OutOfRange,  // a number too large or too small for a double ("1e400", "1e-400")
};

struct Classified {
    TextKind kind;
    double value = 0.0;  // for a Number
};

Classified classify(std::string_view text, std::string_view separator);

// The locale-aware reading: the whole text as a finite double, or nothing.
std::optional<double> read(std::string_view text, std::string_view separator);

// The numeric test: true exactly when read() gives a number.
bool isNumeric(std::string_view text, std::string_view separator);

// Whether the text holds a decimal separator of another locale ("." or ",").
bool hasOtherSeparator(std::string_view text, std::string_view separator);

// Pasted text without the line breaks and tabs around it (a spreadsheet cell
// or a terminal line copied whole).
std::string_view trimPasted(std::string_view text);

// At most 15 significant digits, no trailing zeros, no grouping; exponent form
// ("1,5E+20", "1E-05") below 1e-4 and from 1e15 on. Zero is written "0".
// Only a finite value has a text: any other gives an empty one, which no
// reading takes for a number.
std::string write(double value, std::string_view separator);

// A figure for reading, not for reading back: `decimals` digits after the
// separator ("0,50").
std::string writeFixed(double value, int decimals, std::string_view separator);

}  // namespace lnb::numeric_text
