// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor for the Windows program's start-up: a bare window of the
// design's size holding every caption and field text of the design, each at
// its place in its font (static and edit controls), with the program's
// manifest — what any Win32 program showing this design's words must do —
// without frames, pictures, colours or logic. It ends once its first frame
// is painted.
#include "bench/floor_window_win32.hpp"
#include "design/window_design.hpp"
#include "win32/units.hpp"
#include "win32/wide_text.hpp"

namespace {

using namespace lnb;

// The words the window shows at start-up: the figures in the text fields,
// the line under the result, the captions.
std::wstring textOf(const design::Control& control) {
    switch (control.id) {
        case design::Id::txtVertical:
        case design::Id::txtHorizontal:
            return L"80";
        case design::Id::txtProfundidad:
            return L"10";
        case design::Id::txtDistancia:
            return L"40";
        case design::Id::lblAviso:
            return L"Relaci\u00f3n f/D: 0.50";
        default:
            return win32::widen(control.caption);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const UINT dpi = USER_DEFAULT_SCREEN_DPI;
    const win32::units::Fonts fonts(dpi);
    return bench::runFloorWindow(instance, show, [&](HWND window) {
        for (const design::Control& control : design::kControls) {
            if (control.flags & design::kHidden)
                continue;
            const bool edit = control.kind == design::Kind::TextField;
            const RECT place = win32::units::toPixels(control, dpi);
            HWND child = CreateWindowExW(
                edit ? WS_EX_CLIENTEDGE : 0, edit ? WC_EDITW : WC_STATICW, textOf(control).c_str(),
                WS_CHILD | WS_VISIBLE, place.left, place.top, place.right - place.left,
                place.bottom - place.top, window, nullptr, instance, nullptr);
            const double size = control.font.pointSize > 0 ? control.font.pointSize
                                                           : design::kFrmMain.font.pointSize;
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(control.font, size)),
                         FALSE);
        }
    });
}
