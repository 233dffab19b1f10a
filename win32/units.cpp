// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/units.hpp"

#include <cmath>

#include "win32/wide_text.hpp"

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

// "MS Sans Serif" is a bitmap font on Windows; its TrueType successor comes
// next. Looked up once.
const std::wstring& designFamily() {
    static const std::wstring family = [] {
        const gdi::WindowDc screen(nullptr);
        for (const std::string_view candidate : design::kFontFamilies) {
            if (hasScalableFamily(screen.get(), widen(candidate)))
                return widen(candidate);
        }
        return std::wstring();
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

double toTwips(double pixels, UINT dpi) {
    return pixels * kTwipsPerInch / dpi;
}

RECT toPixels(const design::Control& control, UINT dpi) {
    const design::Place place = design::placeInWindow(control);
    const int left = toWholePixels(place.left, dpi);
    const int top = toWholePixels(place.top, dpi);
    return {left, top, left + toWholePixels(control.width, dpi),
            top + toWholePixels(control.height, dpi)};
}

HFONT Fonts::get(const design::Font& font, double pointSize) const {
    auto& made = made_[{pointSize, font.bold, font.italic}];
    if (!made) {
        LOGFONTW description{};
        description.lfHeight = -static_cast<LONG>(std::lround(pointSize * dpi_ / 72.0));
        description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        description.lfItalic = font.italic;
        description.lfCharSet = ANSI_CHARSET;  // the design's character set 0, Western
        description.lfQuality = CLEARTYPE_QUALITY;
        description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        designFamily().copy(description.lfFaceName, LF_FACESIZE - 1);
        made = gdi::Object<HFONT>(CreateFontIndirectW(&description));
    }
    return made.get();
}

double GdiMeasure::widthInTwips(std::string_view text, const design::Font& font,
                                double pointSize) const {
    const gdi::WindowDc screen(nullptr);
    const gdi::Selection selected(screen.get(), fonts_.get(font, pointSize));
    const std::wstring wide = widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    return toTwips(extent.cx, fonts_.dpi());
}

}  // namespace lnb::win32::units
