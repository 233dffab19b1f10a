// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/numeric_text.hpp"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace lnb::numeric_text {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -4;  // 0.0001 is still written in full
constexpr int kLargestFixedExponent = 14;   // 1e15 is written "1E+15"
constexpr std::size_t kNoSeparator = std::string_view::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// How far an unsigned number (sign and blanks already removed) gets through
// the grammar: digits with at most one separator and at least one digit, then
// an optional exponent.
struct Scan {
    TextKind kind;            // Number, Beginning or NotANumber
    std::size_t separatorAt;  // kNoSeparator when there is none
};

Scan scanUnsigned(std::string_view text, std::string_view separator) {
    std::size_t at = 0;
    auto skipDigits = [&] {
        const std::size_t start = at;
        while (at < text.size() && isDigit(text[at])) ++at;
        return at - start;
    };
    std::size_t digits = skipDigits();
    std::size_t separatorAt = kNoSeparator;
    if (!separator.empty() && text.substr(at).starts_with(separator)) {
        separatorAt = at;
        at += separator.size();
        digits += skipDigits();
    }
    if (at == text.size())
        return {digits == 0 ? TextKind::Beginning : TextKind::Number, separatorAt};
    if (digits == 0 || (text[at] != 'e' && text[at] != 'E'))
        return {TextKind::NotANumber, kNoSeparator};
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    if (at == text.size())
        return {TextKind::Beginning, kNoSeparator};
    if (skipDigits() == 0 || at != text.size())
        return {TextKind::NotANumber, kNoSeparator};
    return {TextKind::Number, separatorAt};
}

// Whether a number's digits before any exponent hold anything but zeros.
bool hasNonZeroDigit(std::string_view text) {
    for (const char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

// Nothing when the digits are too large or too small for a double: fast_float
// reads those as infinity, or as zero, without saying so.
std::optional<double> fromChars(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    if (value == 0.0 && hasNonZeroDigit(text))
        return std::nullopt;
    return value;
}

// Reads a checked unsigned number whose separator stands at `separatorAt`:
// the reading knows only ".", so any other separator is swapped for it.
std::optional<double> readUnsigned(std::string_view text, std::size_t separatorAt,
                                   std::string_view separator) {
    if (separatorAt == kNoSeparator || separator == ".")
        return fromChars(text);
    std::string withPoint;
    withPoint.reserve(text.size());
    withPoint.append(text.substr(0, separatorAt)).push_back('.');
    withPoint.append(text.substr(separatorAt + separator.size()));
    return fromChars(withPoint);
}

struct Decimal {
    std::array<char, 24> digits;  // significant digits, no trailing zeros
    int count;
    int exponent;  // of the first digit
};

// The significant digits and the exponent of a number as {fmt} writes it, in
// either notation ("40", "0.3", "1.5e+20"), without leading or trailing zeros.
Decimal decimalOf(std::string_view text) {
    Decimal decimal{};
    int integerDigits = 0;  // significant digits before the point
    bool pointSeen = false;
    std::size_t at = 0;
    for (; at < text.size() && text[at] != 'e'; ++at) {
        const char c = text[at];
        if (c == '.') {
            pointSeen = true;
        } else if (isDigit(c) && (decimal.count > 0 || c != '0')) {
            decimal.digits[static_cast<std::size_t>(decimal.count++)] = c;
            integerDigits += pointSeen ? 0 : 1;
        } else if (c == '0' && pointSeen) {
            --integerDigits;  // a leading zero after the point
        }
    }
    int exponent = 0;
    if (at < text.size())
        std::from_chars(text.data() + at + (text[at + 1] == '+' ? 2 : 1), text.data() + text.size(),
                        exponent);
    decimal.exponent = integerDigits - 1 + exponent;
    while (decimal.count > 1 && decimal.digits[static_cast<std::size_t>(decimal.count - 1)] == '0')
        --decimal.count;
    return decimal;
}

// |value| with `precision` significant digits, rounded to nearest, or with
// the fewest digits that read back as the value (every figure written takes
// this path: its format is compiled, not parsed each time).
Decimal scientific(double magnitude, std::optional<int> precision) {
    std::array<char, 40> buffer;
    const char* const end =
        precision ? fmt::format_to(buffer.data(), FMT_COMPILE("{:.{}e}"), magnitude, *precision - 1)
                  : fmt::format_to(buffer.data(), FMT_COMPILE("{}"), magnitude);
    return decimalOf(
        std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

bool fitsDoubleRange(const Decimal& decimal) {
    std::string text(decimal.digits.data(), static_cast<std::size_t>(decimal.count));
    text += 'e' + std::to_string(decimal.exponent - decimal.count + 1);
    return fromChars(text).has_value();
}

// |value| to 15 significant digits. The shortest form that reads back as the
// value is quick to find; when it has 15 digits or fewer it is also the value
// rounded to 15 digits (it lies within half an ulp of the value), except for
// subnormal values, whose ulp is too coarse for that. Next to the
// largest double, rounding up would write a number that no double can hold:
// the digits are cut instead.
Decimal significantDigits(double magnitude) {
    const bool normal = magnitude >= std::numeric_limits<double>::min();
    Decimal decimal =
        scientific(magnitude, normal ? std::nullopt : std::optional(kSignificantDigits));
    if (decimal.count > kSignificantDigits)
        decimal = scientific(magnitude, kSignificantDigits);
    if (decimal.exponent >= 308 && !fitsDoubleRange(decimal)) {
        decimal = scientific(magnitude, kSignificantDigits + 2);
        decimal.count = kSignificantDigits;
    }
    while (decimal.count > 1 && decimal.digits[static_cast<std::size_t>(decimal.count - 1)] == '0')
        --decimal.count;
    return decimal;
}

void appendFixed(std::string& out, const Decimal& d, std::string_view separator) {
    const std::string_view digits(d.digits.data(), static_cast<std::size_t>(d.count));
    if (d.exponent < 0) {
        out.append("0").append(separator).append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
        return;
    }
    const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() <= integerDigits) {
        out.append(digits).append(integerDigits - digits.size(), '0');
        return;
    }
    out.append(digits.substr(0, integerDigits))
        .append(separator)
        .append(digits.substr(integerDigits));
}

void appendExponent(std::string& out, const Decimal& d, std::string_view separator) {
    out.push_back(d.digits[0]);
    if (d.count > 1)
        out.append(separator).append(d.digits.data() + 1, static_cast<std::size_t>(d.count - 1));
    fmt::format_to(std::back_inserter(out), FMT_COMPILE("E{}{:02}"), d.exponent < 0 ? '-' : '+',
                   std::abs(d.exponent));
}

}  // namespace

Classified classify(std::string_view text, std::string_view separator) {
    text = trimBlanks(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+'))
        text.remove_prefix(1);
    const Scan scan = scanUnsigned(text, separator);
    if (scan.kind != TextKind::Number)
        return {scan.kind};
    const auto value = readUnsigned(text, scan.separatorAt, separator);
    if (!value)
        return {TextKind::OutOfRange};
    return {TextKind::Number, negative ? -*value : *value};
}

std::optional<double> read(std::string_view text, std::string_view separator) {
    const Classified classified = classify(text, separator);
    if (classified.kind != TextKind::Number)
        return std::nullopt;
    return classified.value;
}

bool hasOtherSeparator(std::string_view text, std::string_view separator) {
    for (const std::string_view candidate : {".", ","}) {
        if (candidate != separator && text.find(candidate) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string_view trimPasted(std::string_view text) {
    auto isBreakOrTab = [](char c) { return c == '\r' || c == '\n' || c == '\t'; };
    while (!text.empty() && isBreakOrTab(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBreakOrTab(text.back())) text.remove_suffix(1);
    return text;
}

bool isNumeric(std::string_view text, std::string_view separator) {
    return read(text, separator).has_value();
}

std::string write(double value, std::string_view separator) {
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0";  // also -0: a result never reads "-0"
    const Decimal decimal = significantDigits(std::fabs(value));
    std::string text;  // short enough, mostly, to need no allocation
    if (value < 0)
        text.push_back('-');
    if (decimal.exponent >= kSmallestFixedExponent && decimal.exponent <= kLargestFixedExponent)
        appendFixed(text, decimal, separator);
    else
        appendExponent(text, decimal, separator);
    return text;
}

std::string writeFixed(double value, int decimals, std::string_view separator) {
    constexpr std::size_t kLongestFixed = 64;
    std::array<char, kLongestFixed> buffer;
    const auto written =
        fmt::format_to_n(buffer.data(), buffer.size(), FMT_COMPILE("{:.{}f}"), value, decimals);
    if (written.size > kLongestFixed)
        return write(value, separator);  // too long for fixed notation
    std::string text(buffer.data(), written.out);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

}  // namespace lnb::numeric_text
