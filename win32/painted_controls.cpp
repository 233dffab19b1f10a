// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/painted_controls.hpp"

#include <commctrl.h>

namespace lnb::win32 {
namespace {

bool drawnFromTheView(const design::Control& control) {
    return control.kind == design::Kind::OptionButton ||
           (control.kind == design::Kind::Button && design::isOnPlatform(control, false)) ||
           (control.kind == design::Kind::TextField && design::isDisabled(control));
}

}  // namespace

bool PaintedControls::attach(const ControlWindows& windows) {
    for (const design::Control& control : design::kControls) {
        if (drawnFromTheView(control) &&
            !SetWindowSubclass(windows[control.id], procedure, static_cast<UINT_PTR>(control.id),
                               reinterpret_cast<DWORD_PTR>(this)))
            return false;
    }
    return true;
}

LRESULT CALLBACK PaintedControls::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self) noexcept {
    const auto& painted = *reinterpret_cast<const PaintedControls*>(self);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const gdi::PaintDc paint(window);
            painted.paint(window, static_cast<design::Id>(id), paint.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            painted.paint(window, static_cast<design::Id>(id), reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETOBJECT:
            painted.owner_.screenReaderAsked();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case BM_SETSTATE:  // pressed or let go: the button would draw its own look
        case WM_ENABLE: {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case BM_SETCHECK: {
            // The button would draw its own look at once.
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, procedure, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void PaintedControls::paint(HWND window, design::Id id, HDC dc) const {
    RECT client{};
    GetClientRect(window, &client);
    switch (design::control(id).kind) {
        case design::Kind::OptionButton:
            return painter_.paintOption(dc, client, id, presenter_.view(), fonts_);
        case design::Kind::Button: {
            const LRESULT state = SendMessageW(window, BM_GETSTATE, 0, 0);
            return painter_.paintButton(dc, client, id, presenter_.view(), fonts_,
                                        {(state & BST_PUSHED) != 0, GetFocus() == window});
        }
        default:
            return painter_.paintTextField(dc, client, id, presenter_.view(), fonts_);
    }
}

}  // namespace lnb::win32
