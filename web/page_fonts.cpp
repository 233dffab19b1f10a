// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_fonts.hpp"

#include <algorithm>

namespace lnb::web {

namespace {

// The next character of UTF-8 text at `at`, which moves past it.
char32_t nextCharacter(std::string_view utf8, std::size_t& at) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x7F >> length);
    for (int k = 1; k < length && at + k < utf8.size(); ++k)
        c = c << 6 | (static_cast<unsigned char>(utf8[at + k]) & 0x3F);
    at += length;
    return c;
}

// A character the subset lacks is drawn in another font: half an em is as
// near as any guess.
int advanceOf(const FaceAdvances& face, char32_t c) {
    const auto found =
        std::lower_bound(face.advances.begin(), face.advances.end(), c,
                         [](const Advance& advance, char32_t code) { return advance.code < code; });
    return found != face.advances.end() && found->code == c ? found->units : face.unitsPerEm / 2;
}

}  // namespace

double PageFonts::widthInTwips(std::string_view text, const design::Font& font,
                               double pointSize) const {
    const FaceAdvances& face = kFaceAdvances[font.bold ? (font.italic ? 2 : 1) : 0];
    double units = 0;
    for (std::size_t at = 0; at < text.size();) units += advanceOf(face, nextCharacter(text, at));
    return units / face.unitsPerEm * pointSize * kPixelsPerPoint * kTwipsPerPixel;
}

}  // namespace lnb::web
