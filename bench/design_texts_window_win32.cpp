// SPDX-License-Identifier: GPL-3.0-or-later
// The fair floor for the Windows program's start-up: a bare window of the
// design's size showing what the window first shows — every word at its
// place in its font (static and edit controls), and the six drawings (the
// program's bitmaps) stretched to their places — with the program's
// resources and manifest: what any Win32 program showing this window must
// do, without frames, colours, fitting or the program's own painting. The
// words and places are the core's first view. It ends once its first frame
// is painted.
#include "bench/floor_window_win32.hpp"
#include "design/presenter.hpp"
#include "win32/units.hpp"
#include "win32/wide_text.hpp"

namespace {

using namespace lnb;

// Texts are not fitted here: they take the design's sizes.
class NoMeasure : public TextMeasure {
  public:
    double widthInTwips(std::string_view, const design::Font&, double) const override { return 0; }
};

int pixels(double twips) {
    return static_cast<int>(win32::units::toPixels(twips, USER_DEFAULT_SCREEN_DPI) + 0.5);
}

void paintDrawings(HDC dc, HINSTANCE instance, const View& view) {
    HDC source = CreateCompatibleDC(dc);
    SetStretchBltMode(dc, HALFTONE);
    for (const ShownPicture& picture : view.picturesBottomUp) {
        auto* bitmap = static_cast<HBITMAP>(LoadImageW(instance, win32::widen(picture.name).c_str(),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        HGDIOBJ before = SelectObject(source, bitmap);
        StretchBlt(dc, pixels(picture.now.left), pixels(picture.now.top), pixels(picture.now.width),
                   pixels(picture.now.height), source, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
        SelectObject(source, before);
        DeleteObject(bitmap);
    }
    DeleteDC(source);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const UINT dpi = USER_DEFAULT_SCREEN_DPI;
    const win32::units::Fonts fonts(dpi);
    const NoMeasure measure;
    Presenter presenter(".", measure);
    const View& view = presenter.load();
    bench::surfacePainter() = [instance, &view](HDC dc) { paintDrawings(dc, instance, view); };
    return bench::runFloorWindow(instance, show, [&](HWND window) {
        for (const design::Control& control : design::kControls) {
            const ShownControl& shown = view[control.id];
            if (!shown.shown || shown.text.empty())
                continue;
            const bool edit = control.kind == design::Kind::TextField;
            const RECT place = win32::units::toPixels(control, dpi);
            HWND child =
                CreateWindowExW(edit ? WS_EX_CLIENTEDGE : 0, edit ? WC_EDITW : WC_STATICW,
                                win32::widen(shown.text).c_str(), WS_CHILD | WS_VISIBLE, place.left,
                                place.top, place.right - place.left, place.bottom - place.top,
                                window, nullptr, instance, nullptr);
            SendMessageW(child, WM_SETFONT,
                         reinterpret_cast<WPARAM>(fonts.get(control.font, shown.pointSize)), FALSE);
        }
    });
}
