// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.hpp"

#include <cmath>

#include "wide_text.hpp"

namespace lnb::win32::units {
namespace {

int CALLBACK noteScalable(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD type,
                          LPARAM found) {
    if (type & TRUETYPE_FONTTYPE)
        *reinterpret_cast<bool*>(found) = true;
    return 1;
}

bool hasScalableFamily(HDC dc, const std::wstring& family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, noteScalable, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The first of the design's families that this system has as a scalable
// font ("MS Sans Serif" is a bitmap font on Windows; its TrueType successor
// comes next), looked up once.
const std::wstring& designFamily() {
    static const std::wstring family = [] {
        HDC screen = GetDC(nullptr);
        std::wstring chosen;
        for (const std::string_view candidate : design::kFontFamilies) {
            if (hasScalableFamily(screen, widen(candidate))) {
                chosen = widen(candidate);
                break;
            }
        }
        ReleaseDC(nullptr, screen);
        return chosen;
    }();
    return family;
}

}  // namespace

double toPixels(double twips, UINT dpi) {
    return twips * dpi / kTwipsPerInch;
}

int toWholePixels(int twips, UINT dpi) {
    return static_cast<int>(std::lround(toPixels(twips, dpi)));
}

RECT toPixels(const design::Control& control, UINT dpi) {
    const design::Place place = design::placeInWindow(control);
    const int left = toWholePixels(place.left, dpi);
    const int top = toWholePixels(place.top, dpi);
    return {left, top, left + toWholePixels(control.width, dpi),
            top + toWholePixels(control.height, dpi)};
}

COLORREF toColorRef(design::Colour colour) {
    if (colour & 0x80000000u)
        return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour);
}

HFONT createFont(const design::Font& font, UINT dpi) {
    const double size = font.pointSize > 0 ? font.pointSize : design::kFrmMain.font.pointSize;
    return createFont(font, dpi, size);
}

HFONT createFont(const design::Font& font, UINT dpi, double pointSize) {
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(pointSize * dpi / 72.0));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.italic;
    description.lfCharSet = ANSI_CHARSET;  // the design's character set 0, Western
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    designFamily().copy(description.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&description);
}

}  // namespace lnb::win32::units
