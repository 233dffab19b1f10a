#include "numeric_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace lnb::numeric_text {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestFixedExponent = -4;  // 0.0001 is still written in full
constexpr int kLargestFixedExponent = 14;   // 1e15 is written "1E+15"

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

// Moves the digits at the front of `text` onto `out`; returns how many.
std::size_t takeDigits(std::string_view& text, std::string& out) {
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count])) ++count;
    out.append(text.substr(0, count));
    text.remove_prefix(count);
    return count;
}

bool takeSign(std::string_view& text, std::string& out) {
    if (text.empty() || (text.front() != '+' && text.front() != '-'))
        return false;
    if (text.front() == '-')
        out.push_back('-');
    text.remove_prefix(1);
    return true;
}

// Checks the grammar and rewrites the number in the form std::from_chars
// reads: "-" or nothing, digits with ".", "e" and the exponent.
std::optional<std::string> canonicalForm(std::string_view text, std::string_view separator) {
    std::string out;
    text = trimBlanks(text);
    takeSign(text, out);
    std::size_t digits = takeDigits(text, out);
    if (!separator.empty() && text.starts_with(separator)) {
        out.push_back('.');
        text.remove_prefix(separator.size());
        digits += takeDigits(text, out);
    }
    if (digits == 0)
        return std::nullopt;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        out.push_back('e');
        text.remove_prefix(1);
        takeSign(text, out);
        if (takeDigits(text, out) == 0)
            return std::nullopt;
    }
    if (!text.empty())
        return std::nullopt;
    return out;
}

std::string withSeparator(std::string digits, std::size_t pointAt, std::string_view separator) {
    if (pointAt < digits.size())
        digits.insert(pointAt, separator);
    return digits;
}

// The digits of |value| rounded to 15 significant digits, trailing zeros
// dropped, and the decimal exponent of the first digit.
std::pair<std::string, int> significantDigits(double magnitude) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const auto e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (isDigit(c))
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = 0;
    const auto exponentText = scientific.substr(e + 1);
    const char* first = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(first, exponentText.data() + exponentText.size(), exponent);
    return {digits, exponent};
}

std::string fixedForm(const std::string& digits, int exponent, std::string_view separator) {
    if (exponent < 0)
        return "0" + std::string(separator) +
               std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return withSeparator(digits, integerDigits, separator);
}

std::string exponentForm(const std::string& digits, int exponent, std::string_view separator) {
    const std::string power = std::to_string(std::abs(exponent));
    return withSeparator(digits, 1, separator) + (exponent < 0 ? "E-" : "E+") +
           (power.size() < 2 ? "0" : "") + power;
}

}  // namespace

std::optional<double> read(std::string_view text, std::string_view separator) {
    const auto canonical = canonicalForm(text, separator);
    if (!canonical)
        return std::nullopt;
    double value = 0.0;
    const char* end = canonical->data() + canonical->size();
    const auto [ptr, error] = std::from_chars(canonical->data(), end, value);
    if (error != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumeric(std::string_view text, std::string_view separator) {
    return read(text, separator).has_value();
}

std::string write(double value, std::string_view separator) {
    if (!std::isfinite(value))
        throw std::domain_error("only finite numbers are written");
    if (value == 0.0)
        return "0";  // also -0: a result never reads "-0"
    const auto [digits, exponent] = significantDigits(std::fabs(value));
    const bool fixed = exponent >= kSmallestFixedExponent && exponent <= kLargestFixedExponent;
    const std::string text =
        fixed ? fixedForm(digits, exponent, separator) : exponentForm(digits, exponent, separator);
    return value < 0 ? "-" + text : text;
}

}  // namespace lnb::numeric_text
