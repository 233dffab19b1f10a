// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/text_positions.hpp"

namespace lnb::text_positions {
namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// A character of four UTF-8 bytes lies beyond the first plane: a surrogate
// pair in UTF-16.
int unitsOf(unsigned char lead) {
    return lead >= 0xF0 ? 2 : 1;
}

}  // namespace

int toUtf16(std::string_view utf8, int characters) {
    int units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (isContinuation(byte))
            continue;
        if (characters-- <= 0)
            break;
        units += unitsOf(byte);
    }
    return units;
}

int toCharacters(std::string_view utf8, int units) {
    int characters = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (isContinuation(byte))
            continue;
        units -= unitsOf(byte);
        if (units < 0)
            break;
        ++characters;
    }
    return characters;
}

int lengthInUtf16(std::string_view utf8) {
    int units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (!isContinuation(byte))
            units += unitsOf(byte);
    }
    return units;
}

std::string_view firstUnits(std::string_view utf8, int units) {
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (isContinuation(byte))
            continue;
        units -= unitsOf(byte);
        if (units < 0)
            return utf8.substr(0, at);
    }
    return utf8;
}

namespace {

// The code point of the well-formed character at the start of `text`, and
// its length in bytes; a length of 0 where it is not one.
struct Decoded {
    char32_t point;
    std::size_t length;
};

Decoded decodeFirst(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return {0, 0};
    char32_t point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte))
            return {0, 0};
        point = point << 6 | (byte & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return {0, 0};
    return {point, length};
}

bool isControl(char32_t point) {
    return point < 0x20 || (point >= 0x7F && point < 0xA0);
}

}  // namespace

bool isPlainText(std::string_view text) {
    while (!text.empty()) {
        const Decoded decoded = decodeFirst(text);
        if (decoded.length == 0 || isControl(decoded.point))
            return false;
        text.remove_prefix(decoded.length);
    }
    return true;
}

}  // namespace lnb::text_positions
