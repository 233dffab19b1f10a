// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/control_windows.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include "win32/child_windows.hpp"
#include "win32/control_ids.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

std::size_t index(design::Id id) {
    return static_cast<std::size_t>(id);
}

// The controls this window has: all but the page's own.
bool isHere(const design::Control& control) {
    return design::isOnPlatform(control, false);
}

bool isPaintedOnTheSurface(const design::Control& control) {
    return control.kind == design::Kind::Frame || control.kind == design::Kind::Label;
}

// Option buttons form one group per frame: the first of a frame starts it.
bool startsAGroup(const design::Control& control) {
    const auto at = index(control.id);
    return at == 0 || design::kControls[at - 1].kind != design::Kind::OptionButton ||
           design::kControls[at - 1].container != control.container;
}

void place(HWND window, const RECT& rect) {
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

struct Style {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extended = 0;
};

Style styleOf(const design::Control& control, const ShownControl& shown) {
    DWORD common = WS_CHILD;
    if (shown.shown)
        common |= WS_VISIBLE;
    if (design::isDisabled(control))
        common |= WS_DISABLED;
    switch (control.kind) {
        case design::Kind::TextField: {
            DWORD style = common | ES_AUTOHSCROLL;
            if (control.flags & design::kCentred)
                style |= ES_CENTER;
            if (design::isInput(control.id))
                style |= WS_TABSTOP;
            return {WC_EDITW, style, WS_EX_CLIENTEDGE};
        }
        case design::Kind::OptionButton:
            return {WC_BUTTONW,
                    common | BS_AUTORADIOBUTTON | (startsAGroup(control) ? WS_GROUP : 0)};
        case design::Kind::Button:
            // A toggle is a check box that looks like a button: screen
            // readers hear whether it is down.
            return {WC_BUTTONW, common | WS_TABSTOP |
                                    (control.flags & design::kToggle ? BS_AUTOCHECKBOX | BS_PUSHLIKE
                                                                     : BS_PUSHBUTTON)};
        case design::Kind::Frame:
        case design::Kind::Label:
            break;
    }
    // A static with a tooltip must see the pointer.
    return {WC_STATICW,
            common | SS_OWNERDRAW | SS_NOPREFIX | (shown.tooltip.empty() ? 0 : SS_NOTIFY)};
}

}  // namespace

bool ControlWindows::create(HWND parent, HINSTANCE instance, const View& view) {
    parent_ = parent;
    instance_ = instance;
    if (!tooltips_.create(parent, instance))
        return false;
    for (const design::Control& control : design::kControls) {
        for (const auto id : {design::captionNaming(control.id), std::optional(control.id)}) {
            if (!id || (*this)[*id] || !isHere(design::control(*id)))
                continue;
            windows_[index(*id)] = create(design::control(*id), view[*id]);
            if (!(*this)[*id] || !tooltips_.show((*this)[*id], view[*id].tooltip))
                return false;
        }
    }
    return true;
}

HWND ControlWindows::create(const design::Control& control, const ShownControl& shown) {
    const Style style = styleOf(control, shown);
    return CreateWindowExW(style.extended, style.windowClass, widen(shown.text).c_str(),
                           style.style, 0, 0, 0, 0, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control.id))),
                           instance_, nullptr);
}

std::optional<design::Id> ControlWindows::controlOf(HWND window) const {
    if (!window || GetParent(window) != parent_)
        return std::nullopt;
    return win32::controlOf(GetDlgCtrlID(window));
}

void ControlWindows::layout(const View& view) {
    for (const design::Control& control : design::kControls) {
        HWND window = (*this)[control.id];
        if (!window)
            continue;
        if (isPaintedOnTheSurface(control)) {
            place(window, captionPlace(control, view));
            continue;
        }
        place(window, units::toPixels(control, fonts_.dpi()));
        SendMessageW(window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.get(control.font, view[control.id].pointSize)),
                     FALSE);
    }
}

// A frame's caption, or a label; where a text field lies over its lowest
// rows (the result over its heading), the part left uncovered.
RECT ControlWindows::captionPlace(const design::Control& caption, const View& view) const {
    RECT rect = units::toPixels(caption, fonts_.dpi());
    if (caption.kind == design::Kind::Frame) {
        const gdi::WindowDc dc(parent_);
        rect = painter_.frameCaption(dc.get(), caption.id, view, fonts_);
    }
    for (const design::Control& field : design::kControls) {
        const RECT over = units::toPixels(field, fonts_.dpi());
        if (field.kind == design::Kind::TextField && rect.bottom > over.top &&
            rect.top < over.top && rect.left < over.right && rect.right > over.left)
            rect.bottom = over.top;
    }
    return rect;
}

void ControlWindows::show(const View& now, const View& before) {
    for (const design::Control& control : design::kControls) {
        const ShownControl& shown = now[control.id];
        const ShownControl& was = before[control.id];
        HWND window = (*this)[control.id];
        if (shown == was || !window)
            continue;
        if (shown.shown != was.shown)
            ShowWindow(window, shown.shown ? SW_SHOWNA : SW_HIDE);
        // An input already holds what the user typed.
        if (shown.text != was.text && narrow(textOf(window)) != shown.text)
            SetWindowTextW(window, widen(shown.text).c_str());
        if (shown.checked != was.checked)  // the button repaints at once
            Button_SetCheck(window, shown.checked ? BST_CHECKED : BST_UNCHECKED);
        if (shown.tooltip != was.tooltip)
            tooltips_.show(window, shown.tooltip);
        if (isPaintedOnTheSurface(control)) {
            const RECT area = units::toPixels(control, fonts_.dpi());
            InvalidateRect(parent_, &area, FALSE);
            if (control.kind == design::Kind::Frame && shown.text != was.text)
                place(window, captionPlace(control, now));
        }
        InvalidateRect(window, nullptr, FALSE);
    }
}

void ControlWindows::invalidateOver(const RECT& area) const {
    for (const design::Control& control : design::kControls) {
        HWND window = (*this)[control.id];
        if (!window)
            continue;
        const RECT place = placeOf(window);
        RECT overlap{};
        if (isPaintedOnTheSurface(control) && IntersectRect(&overlap, &place, &area))
            InvalidateRect(window, nullptr, FALSE);
    }
}

}  // namespace lnb::win32
