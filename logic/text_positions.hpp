// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The core counts positions in a field's text in characters (code points of
// its UTF-8 text); both windows count them in UTF-16 units. These turn one
// into the other, for a field's current text.
namespace lnb::text_positions {

// How many UTF-16 units the first `characters` characters of `utf8` take.
int toUtf16(std::string_view utf8, int characters);

// How many whole characters the first `units` UTF-16 units of `utf8` hold.
int toCharacters(std::string_view utf8, int units);

// How many UTF-16 units the whole of `utf8` takes.
int lengthInUtf16(std::string_view utf8);

// The longest start of `utf8` that takes at most `units` UTF-16 units,
// whole characters only.
std::string_view firstUnits(std::string_view utf8, int units);

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing past U+10FFFF) without control characters: a text a field could
// hold, as a value kept from an earlier run must be.
bool isPlainText(std::string_view text);

}  // namespace lnb::text_positions
