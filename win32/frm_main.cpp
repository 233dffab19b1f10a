// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/frm_main.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include "design/measurement.hpp"
#include "design/texts.hpp"
#include "logic/picture_clipping.hpp"
#include "win32/clipboard.hpp"
#include "win32/control_ids.hpp"
#include "win32/system_colours.hpp"
#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

using design::Id;

constexpr UINT kCopyCommand = 1;
constexpr wchar_t kClassName[] = L"frmMain";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = WS_EX_CONTROLPARENT;

std::size_t index(Id id) {
    return static_cast<std::size_t>(id);
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void setText(HWND window, const std::string& utf8) {
    SetWindowTextW(window, widen(utf8).c_str());
}

void place(HWND window, const RECT& rect) {
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A child's rectangle in its parent's client area.
RECT placeOf(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND createStatic(HWND parent, int id, const std::wstring& text, HINSTANCE instance) {
    return CreateWindowExW(0, WC_STATICW, text.c_str(),
                           WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace

FrmMain::FrmMain(HINSTANCE instance, std::string decimalSeparator)
    : instance_(instance),
      separator_(decimalSeparator),
      presenter_(std::move(decimalSeparator), measure_) {}

bool FrmMain::create() {
    if (!painter_.load(instance_))
        return false;
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
    const UINT dpi = GetDpiForWindow(window_);
    RECT frame{0, 0, units::toWholePixels(design::kFrmMain.clientWidth, dpi),
               units::toWholePixels(design::kFrmMain.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!createControls())
        return false;
    layout(dpi);
    lastFocus_ = input(Input::Vertical);
    presenter_.setHighContrast(highContrastColours());
    resultMenu_ = CreatePopupMenu();
    if (!resultMenu_ ||
        !AppendMenuW(resultMenu_, MF_STRING, kCopyCommand, widen(texts::kCopy).c_str()))
        return false;
    showView(presenter_.view());
    return true;
}

// Text fields and option buttons are windows of their own, created in tab
// order so that Tab follows it; frames and labels are painted by the window.
// A field's caption window comes immediately before the field: Windows names
// an edit control for screen readers by the static text created before it.
bool FrmMain::createControls() {
    for (const design::Control& control : design::kControls) {
        if (control.kind == design::Kind::Frame || control.kind == design::Kind::Label)
            continue;
        if (const auto caption = design::captionNaming(control.id)) {
            captions_[index(*caption)] = createCaption(*caption);
            if (!captions_[index(*caption)])
                return false;
        }
        controls_[index(control.id)] = createChild(control, presenter_.view()[control.id]);
        if (!child(control.id))
            return false;
    }
    for (const Input which : kInputs) {
        if (!inputs_[static_cast<std::size_t>(which)].attach(input(which), which, widen(separator_),
                                                             *this))
            return false;
    }
    for (const Id painted : {Id::txtDistancia, Id::Option1, Id::Option2}) {
        if (!SetWindowSubclass(child(painted), paintedProcedure, static_cast<UINT_PTR>(painted),
                               reinterpret_cast<DWORD_PTR>(this)))
            return false;
    }
    statusLine_ = createStatic(window_, kStatusLineId, L"", instance_);
    return statusLine_ != nullptr;
}

HWND FrmMain::createCaption(Id caption) {
    return createStatic(window_, controlId(caption), widen(presenter_.view()[caption].text),
                        instance_);
}

// A frame's caption, or a label; where the field it names lies over it (the
// result covers its heading's lowest row), the part left uncovered.
RECT FrmMain::captionRect(Id caption, Id field) const {
    const UINT dpi = fonts_.dpi();
    RECT rect = units::toPixels(design::control(caption), dpi);
    if (design::control(caption).kind == design::Kind::Frame) {
        const gdi::WindowDc dc(window_);
        rect = painter_.frameCaption(dc.get(), caption, presenter_.view(), fonts_);
    }
    const RECT over = units::toPixels(design::control(field), dpi);
    if (rect.bottom > over.top && rect.top < over.top && rect.left < over.right &&
        rect.right > over.left)
        rect.bottom = over.top;
    return rect;
}

HWND FrmMain::createChild(const design::Control& control, const ShownText& shown) {
    DWORD style = WS_CHILD;
    if (!(control.flags & design::kHidden))
        style |= WS_VISIBLE;
    if (design::isDisabled(control))
        style |= WS_DISABLED;
    const wchar_t* windowClass = WC_BUTTONW;
    DWORD extendedStyle = 0;
    if (control.kind == design::Kind::TextField) {
        windowClass = WC_EDITW;
        extendedStyle = WS_EX_CLIENTEDGE;
        style |= ES_AUTOHSCROLL;
        if (control.flags & design::kCentred)
            style |= ES_CENTER;
        if (design::isInput(control.id))
            style |= WS_TABSTOP;
    } else {
        style |= BS_AUTORADIOBUTTON | (control.id == Id::Option1 ? WS_GROUP : 0);
    }
    HWND window = CreateWindowExW(
        extendedStyle, windowClass, widen(shown.text).c_str(), style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control.id))), instance_, nullptr);
    return window;
}

// Every control's place and font at the monitor's DPI.
void FrmMain::layout(UINT dpi) {
    fonts_ = units::Fonts(dpi);
    const View& view = presenter_.view();
    for (const design::Control& control : design::kControls) {
        if (HWND window = child(control.id)) {
            place(window, units::toPixels(control, dpi));
            SendMessageW(
                window, WM_SETFONT,
                reinterpret_cast<WPARAM>(fonts_.get(control.font, view[control.id].pointSize)),
                FALSE);
        }
    }
    for (const design::Control& field : design::kControls) {
        if (const auto caption = design::captionNaming(field.id))
            place(captions_[index(*caption)], captionRect(*caption, field.id));
    }
    place(statusLine_, units::toPixels(design::kStatusLine, dpi));
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// High contrast switched on or off, or its colours changed.
void FrmMain::followSystemColours() {
    showView(presenter_.setHighContrast(highContrastColours()));
}

void FrmMain::Form_Load() {
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

// The window gives the focus back to the field that had it.
void FrmMain::returnFocus() {
    returning_ = started_;
    started_ = true;
    SetFocus(lastFocus_);
    returning_ = false;
}

// The result field is disabled, so its clicks come to the window: a right
// click over it offers to copy the result as shown.
void FrmMain::showContextMenu(POINT screen) {
    POINT client = screen;
    ScreenToClient(window_, &client);
    RECT result{};
    GetWindowRect(child(Id::txtDistancia), &result);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&result), 2);
    if (!PtInRect(&result, client))
        return;
    const UINT chosen = TrackPopupMenu(resultMenu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                       screen.y, 0, window_, nullptr);
    if (chosen == kCopyCommand &&
        !clipboard::put(window_, widen(presenter_.view()[Id::txtDistancia].text)))
        MessageBeep(MB_ICONWARNING);  // another program holds the clipboard
}

// The controls Windows draws itself take the view's colours.
HBRUSH FrmMain::colourControl(HWND window, HDC dc) {
    const View& view = presenter_.view();
    const ShownText* shown = nullptr;
    for (const design::Control& control : design::kControls) {
        if (child(control.id) == window)
            shown = &view[control.id];
    }
    if (!shown)
        return painter_.brush(view.window.back);
    SetTextColor(dc, units::toColorRef(shown->fore));
    SetBkColor(dc, units::toColorRef(shown->back));
    return painter_.brush(shown->back);
}

// Only what differs from what the window shows is touched.
void FrmMain::showView(const View& view) {
    for (const design::Control& control : design::kControls) {
        HWND window = child(control.id);
        const ShownText& now = view[control.id];
        const ShownText& before = shown_[control.id];
        if (!window || now == before)
            continue;
        // An input already holds what the user typed, and draws it itself.
        if (now.text != before.text && narrow(textOf(window)) != now.text)
            setText(window, now.text);
        if (now.fore != before.fore || now.back != before.back || now.pointSize != before.pointSize)
            InvalidateRect(window, nullptr, FALSE);
    }
    for (const design::Control& control : design::kControls) {
        HWND caption = captions_[index(control.id)];
        if (caption && view[control.id] != shown_[control.id]) {
            setText(caption, view[control.id].text);
            InvalidateRect(caption, nullptr, FALSE);
        }
    }
    if (view.statusLine != shown_.statusLine) {
        setText(statusLine_, view.statusLine.text);
        InvalidateRect(statusLine_, nullptr, FALSE);
    }
    if (view.resultDescription != shown_.resultDescription)
        description_.changed(child(Id::txtDistancia), widen(view.resultDescription));
    if (view.optionsSelected != shown_.optionsSelected) {  // repainted at each check set
        Button_SetCheck(child(Id::Option1), view.optionsSelected[0] ? BST_CHECKED : BST_UNCHECKED);
        Button_SetCheck(child(Id::Option2), view.optionsSelected[1] ? BST_CHECKED : BST_UNCHECKED);
    }
    if (view.selection) {
        SendMessageW(input(view.selection->field), EM_SETSEL, WPARAM(view.selection->start),
                     LPARAM(view.selection->start + view.selection->length));
    }
    if (view.system != shown_.system || view.window != shown_.window)
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    repaintMovedPictures(view);
    shown_ = view;
}

// A keystroke repaints only the pictures that moved: where each was, and
// where it is now.
void FrmMain::repaintMovedPictures(const View& view) {
    RECT client{};
    GetClientRect(window_, &client);
    const clipping::PixelRect window{client.left, client.top, client.right, client.bottom};
    const UINT dpi = fonts_.dpi();
    for (const ShownPicture& picture : view.picturesBottomUp) {
        if (!picture.moved())
            continue;
        for (const Rect& at : {picture.before, picture.now}) {
            if (const auto area = clipping::repaintArea(
                    units::toPixels(at.left, dpi), units::toPixels(at.top, dpi),
                    units::toPixels(at.width, dpi), units::toPixels(at.height, dpi), window))
                invalidate({area->left, area->top, area->right, area->bottom});
        }
    }
}

// The window's own surface there, and the windows painted like it.
void FrmMain::invalidate(const RECT& area) {
    InvalidateRect(window_, &area, FALSE);
    RECT overlap{};
    for (HWND painted : captions_) {
        const RECT place = painted ? placeOf(painted) : RECT{};
        if (painted && IntersectRect(&overlap, &place, &area))
            InvalidateRect(painted, nullptr, FALSE);
    }
    const RECT line = placeOf(statusLine_);
    if (IntersectRect(&overlap, &line, &area))
        InvalidateRect(statusLine_, nullptr, FALSE);
}

// Draws `area` of the window into a bitmap first, then copies it to `target`
// at `at`: nothing flickers.
void FrmMain::paintBuffered(HDC target, const RECT& area, POINT at) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    const gdi::MemoryDc buffer(target);
    const gdi::Object<HBITMAP> bitmap(CreateCompatibleBitmap(target, width, height));
    if (!buffer || !bitmap)
        return;
    const gdi::Selection selected(buffer.get(), bitmap.get());
    SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
    RECT client{};
    GetClientRect(window_, &client);
    painter_.paintWindow(buffer.get(), area, client, presenter_.view(), fonts_);
    BitBlt(target, at.x, at.y, width, height, buffer.get(), area.left, area.top, SRCCOPY);
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
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) {
                for (const Input which : kInputs) {
                    if (LOWORD(wParam) == controlId(design::fieldOf(which)))
                        onTextChanged(which);
                }
            }
            return 0;
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
            // The captions and the line look as if drawn on the window: each
            // paints what the window paints where it lies.
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            paintBuffered(item.hDC, placeOf(item.hwndItem), {0, 0});
            return TRUE;
        }
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            followSystemColours();
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
            place(window_, *suggested);
            return 0;
        }
        case WM_DESTROY:
            if (resultMenu_)
                DestroyMenu(resultMenu_);
            resultMenu_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// What Windows would draw of these controls by itself would not be the
// view: the result in its colour and size, flat option buttons in the
// design's colours.
LRESULT CALLBACK FrmMain::paintedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR owner) noexcept {
    auto* self = reinterpret_cast<FrmMain*>(owner);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const gdi::PaintDc paint(window);
            self->paintControl(window, static_cast<Id>(id), paint.get());
            return 0;
        }
        case WM_PRINTCLIENT:
            self->paintControl(window, static_cast<Id>(id), reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_GETOBJECT:
            if (static_cast<Id>(id) == Id::txtDistancia)
                self->description_.asked(window, widen(self->presenter_.view().resultDescription));
            break;
        case BM_SETCHECK: {
            // The button would draw its own look at once.
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, paintedProcedure, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void FrmMain::paintControl(HWND window, Id id, HDC dc) const {
    RECT client{};
    GetClientRect(window, &client);
    const View& view = presenter_.view();
    if (id == Id::txtDistancia)
        painter_.paintResult(dc, client, view, fonts_);
    else
        painter_.paintOption(dc, client, id, view.optionsSelected[id == Id::Option1 ? 0 : 1], view,
                             fonts_);
}

}  // namespace lnb::win32
