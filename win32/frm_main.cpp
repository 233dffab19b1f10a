// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/frm_main.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include "design/measurement.hpp"
#include "logic/picture_clipping.hpp"
#include "win32/child_windows.hpp"
#include "win32/control_ids.hpp"
#include "win32/dpi.hpp"
#include "win32/kept_values.hpp"
#include "win32/menus.hpp"
#include "win32/system_colours.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

using design::Id;

constexpr wchar_t kClassName[] = L"frmMain";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

}  // namespace

FrmMain::FrmMain(HINSTANCE instance, std::string decimalSeparator)
    : instance_(instance), presenter_(std::move(decimalSeparator), measure_) {}

bool FrmMain::create() {
    if (!painter_.load(instance_) || !createWindow() || !createControls())
        return false;
    layout(dpi::of(window_));
    lastFocus_ = input(Input::Vertical);
    showView(presenter_.setHighContrast(highContrastColours()));
    return true;
}

// The window at the design's client size, at the monitor's DPI.
bool FrmMain::createWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, L"IDI_ICON1");
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass))
        return false;
    const std::wstring title = widen(presenter_.view().window.text);
    if (!CreateWindowExW(kExtendedStyle, kClassName, title.c_str(), kStyle, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_,
                         this))
        return false;
    resize(design::clientSize(false));
    return true;
}

// The window grown or shrunk to a client area of `size`, at the monitor's DPI.
void FrmMain::resize(const design::Size& size) {
    const UINT dpi = dpi::of(window_);
    RECT frame{0, 0, units::toWholePixels(size.width, dpi), units::toWholePixels(size.height, dpi)};
    dpi::adjust(frame, kStyle, kExtendedStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FrmMain::createControls() {
    if (!controls_.create(window_, instance_, presenter_.view()) || !painted_.attach(controls_))
        return false;
    for (const Input which : kInputs) {
        if (!inputs_[static_cast<std::size_t>(which)].attach(input(which), which, presenter_,
                                                             *this))
            return false;
    }
    return true;
}

// Every control's place and font at the monitor's DPI.
void FrmMain::layout(UINT dpi) {
    fonts_ = units::Fonts(dpi);
    controls_.layout(presenter_.view());
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FrmMain::Form_Load() {
    restoreKept(presenter_);
    showView(presenter_.load());
}

void FrmMain::quitAfterFirstPaintWhenMeasured() {
    quitAfterPaint_ = GetEnvironmentVariableA(kQuitAfterFirstPaint, nullptr, 0) > 0;
}

bool FrmMain::preTranslate(MSG& message) {
    return IsDialogMessageW(window_, &message);
}

void FrmMain::onTextChanged(Input which) {
    showView(presenter_.type(which, narrow(textOf(input(which)))));
    if (!isFigure(which))
        keep(presenter_.kept());
}

void FrmMain::onPanelButton() {
    showView(presenter_.togglePanel());
    keep(presenter_.kept());
}

// Entering a field selects from the caret to the end; a click keeps the
// caret where it put it; coming back to the window is not entering.
void FrmMain::fieldEntered(Input which, bool byClick) {
    lastFocus_ = input(which);
    if (returning_)
        return;
    DWORD caret = 0;
    SendMessageW(input(which), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    showView(
        presenter_.enter(which, static_cast<int>(caret), byClick ? Entry::Click : Entry::Keyboard));
}

void FrmMain::screenReaderAsked() {
    descriptions_.asked(controls_, presenter_.view());
}

// The window gives the focus back to the field that had it.
void FrmMain::returnFocus() {
    returning_ = started_;
    started_ = true;
    SetFocus(lastFocus_);
    returning_ = false;
}

// A disabled control's clicks come to the window: a right click over one
// with a menu of its own (the result) opens that menu.
void FrmMain::showContextMenu(POINT screen) {
    POINT client = screen;
    ScreenToClient(window_, &client);
    for (const design::Control& control : design::kControls) {
        const ShownControl& shown = presenter_.view()[control.id];
        if (!(control.flags & design::kOwnMenu) || !shown.shown)
            continue;
        const RECT place = placeOf(controls_[control.id]);
        if (PtInRect(&place, client))
            return popUpCopyMenu(window_, screen, shown.menu);
    }
}

// The controls Windows draws itself take the view's colours.
HBRUSH FrmMain::colourControl(HWND window, HDC dc) {
    const View& view = presenter_.view();
    const auto id = controls_.controlOf(window);
    if (!id)
        return painter_.brush(view.window.back);
    SetTextColor(dc, units::toColorRef(view[*id].fore));
    SetBkColor(dc, units::toColorRef(view[*id].back));
    return painter_.brush(view[*id].back);
}

// Only what differs from what the window shows is touched.
void FrmMain::showView(const View& view) {
    if (view.clientSize != shown_.clientSize)
        resize(view.clientSize);
    controls_.show(view, shown_);
    for (const design::Control& control : design::kControls) {
        if (controls_[control.id] && view[control.id].description != shown_[control.id].description)
            descriptions_.changed(controls_[control.id], view[control.id].description);
    }
    if (view.selection) {
        SendMessageW(input(view.selection->field), EM_SETSEL, WPARAM(view.selection->start),
                     LPARAM(view.selection->start + view.selection->length));
    }
    if (view.system != shown_.system || view.window != shown_.window)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    repaintPictures(view);
    shown_ = view;
}

// A keystroke repaints only what the core says the pictures changed, on the
// surface and in the static windows over it.
void FrmMain::repaintPictures(const View& view) {
    RECT client{};
    GetClientRect(window_, &client);
    const clipping::PixelRect window{client.left, client.top, client.right, client.bottom};
    const UINT dpi = fonts_.dpi();
    for (const Rect& at : view.repaint) {
        const auto area = clipping::repaintArea(
            units::toPixels(at.left, dpi), units::toPixels(at.top, dpi),
            units::toPixels(at.width, dpi), units::toPixels(at.height, dpi), window);
        if (!area)
            continue;
        const RECT rect{area->left, area->top, area->right, area->bottom};
        InvalidateRect(window_, &rect, FALSE);
        controls_.invalidateOver(rect);
    }
}

// Draws `area` of the window into a bitmap first, then copies it to `target`
// at `at`: nothing flickers.
void FrmMain::paintBuffered(HDC target, const RECT& area, POINT at) const {
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    const gdi::DoubleBuffer buffer(target, area, at);
    if (!buffer)
        return;
    RECT client{};
    GetClientRect(window_, &client);
    painter_.paintWindow(buffer.get(), area, client, presenter_.view(), fonts_);
}

LRESULT CALLBACK FrmMain::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<FrmMain*>(created->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT FrmMain::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const auto id = controlOf(LOWORD(wParam));
            if (HIWORD(wParam) == EN_CHANGE) {
                if (const auto which = id ? design::inputOf(*id) : std::nullopt)
                    onTextChanged(*which);
            } else if (HIWORD(wParam) == BN_CLICKED && id == Id::cmdApuntar) {
                onPanelButton();
            }
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
                returnFocus();
            return 0;
        case WM_SETFOCUS:
            returnFocus();
            return 0;
        case WM_CONTEXTMENU:
            showContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(
                colourControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        case WM_DRAWITEM: {
            // The static windows over the surface paint what it paints there.
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            paintBuffered(item.hDC, placeOf(item.hwndItem), {0, 0});
            return TRUE;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:  // high contrast switched, or its colours changed
            showView(presenter_.setHighContrast(highContrastColours()));
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const gdi::PaintDc paint(window_);
            paintBuffered(paint.get(), paint.area(), {paint.area().left, paint.area().top});
            if (quitAfterPaint_)
                PostQuitMessage(0);
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            layout(HIWORD(wParam));
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace lnb::win32
