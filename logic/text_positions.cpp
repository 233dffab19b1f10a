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

}  // namespace lnb::text_positions
