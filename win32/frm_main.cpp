// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "control_ids.hpp"
#include "measurement.hpp"
#include "numeric_text.hpp"
#include "texts.hpp"
#include "units.hpp"
#include "wide_text.hpp"

namespace lnb::win32 {
namespace {

using design::Id;

constexpr UINT_PTR kInputSubclass = 1;
constexpr UINT_PTR kResultSubclass = 2;
constexpr UINT kCopyCommand = 1;
constexpr wchar_t kClassName[] = L"frmMain";

std::size_t index(Id id) {
    return static_cast<std::size_t>(id);
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

std::wstring clipboardText(HWND owner) {
    std::wstring text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void putOnClipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

// The largest size, down from the design's in quarter points, at which
// `text` fits `room` pixels across: a long result or message is never cut.
HFONT fittedFont(HDC dc, const design::Font& font, UINT dpi, const std::wstring& text, int room) {
    for (double size = font.pointSize;; size -= design::kFittingStep) {
        HFONT candidate = units::createFont(font, dpi, size);
        HGDIOBJ previous = SelectObject(dc, candidate);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
        SelectObject(dc, previous);
        if (extent.cx <= room || size - design::kFittingStep < design::kSmallestFittedPointSize)
            return candidate;
        DeleteObject(candidate);
    }
}

void drawText(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour,
              UINT format) {
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), int(text.size()), &rect, format | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

}  // namespace

struct FrmMain::Fonts {
    std::array<HFONT, 16> controls{};  // by design::Id
    HFONT statusLine = nullptr;        // shrunk to fit its text
    HFONT result = nullptr;            // shrunk to fit its text

    ~Fonts() {
        for (HFONT font : controls) DeleteObject(font);
        DeleteObject(statusLine);
        DeleteObject(result);
    }
};

FrmMain::FrmMain(HINSTANCE instance, std::string decimalSeparator)
    : instance_(instance),
      logic_(decimalSeparator),
      separator_(widen(decimalSeparator)),
      fonts_(std::make_unique<Fonts>()),
      pictures_(instance) {}

FrmMain::~FrmMain() {
    if (resultMenu_)
        DestroyMenu(resultMenu_);
}

HWND FrmMain::create() {
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
    RegisterClassExW(&windowClass);

    constexpr DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    constexpr DWORD extendedStyle = WS_EX_CONTROLPARENT;
    const std::wstring title = widen(design::kFrmMain.caption);
    window_ = CreateWindowExW(extendedStyle, kClassName, title.c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                              instance_, this);
    if (!window_)
        return nullptr;
    dpi_ = GetDpiForWindow(window_);
    RECT frame{0, 0, units::toWholePixels(design::kFrmMain.clientWidth, dpi_),
               units::toWholePixels(design::kFrmMain.clientHeight, dpi_)};
    AdjustWindowRectExForDpi(&frame, style, FALSE, extendedStyle, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    createControls();
    layout(dpi_);
    lastFocus_ = input(Input::Vertical);
    resultMenu_ = CreatePopupMenu();
    AppendMenuW(resultMenu_, MF_STRING, kCopyCommand, widen(texts::kCopy).c_str());
    return window_;
}

// Text fields and option buttons are windows of their own, created in tab
// order so that Tab follows it; frames and labels are painted by the window.
void FrmMain::createControls() {
    for (const design::Control& control : design::kControls) {
        const bool inFrameDisabled = control.container != Id::frmMain &&
                                     (design::control(control.container).flags & design::kDisabled);
        DWORD style = WS_CHILD;
        if (!(control.flags & design::kHidden))
            style |= WS_VISIBLE;
        if ((control.flags & design::kDisabled) || inFrameDisabled)
            style |= WS_DISABLED;
        const wchar_t* windowClass = nullptr;
        DWORD extendedStyle = 0;
        switch (control.kind) {
            case design::Kind::TextField:
                windowClass = WC_EDITW;
                extendedStyle = WS_EX_CLIENTEDGE;
                style |= ES_AUTOHSCROLL;
                if (control.flags & design::kCentred)
                    style |= ES_CENTER;
                break;
            case design::Kind::OptionButton:
                windowClass = WC_BUTTONW;
                style |= BS_AUTORADIOBUTTON | (control.id == Id::Option1 ? WS_GROUP : 0);
                break;
            case design::Kind::Frame:
            case design::Kind::Label:
                continue;
        }
        const std::wstring caption = widen(control.caption);
        controls_[index(control.id)] =
            CreateWindowExW(extendedStyle, windowClass, caption.c_str(), style, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(control.id))),
                            instance_, nullptr);
    }
    for (const Input which : kInputs) {
        HWND edit = input(which);
        SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | WS_TABSTOP);
        SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // as much as can be pasted
        SetWindowSubclass(edit, inputProcedure, kInputSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
    SetWindowSubclass(control(Id::txtDistancia), resultProcedure, kResultSubclass,
                      reinterpret_cast<DWORD_PTR>(this));
    // A window of its own, so that its words can be read from outside.
    statusLine_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0,
                                  0, window_, reinterpret_cast<HMENU>(INT_PTR{kStatusLineId}),
                                  instance_, nullptr);
}

// Every control's place and font at the monitor's DPI.
void FrmMain::layout(UINT dpi) {
    auto fonts = std::make_unique<Fonts>();
    for (const design::Control& control : design::kControls) {
        fonts->controls[index(control.id)] = units::createFont(control.font, dpi);
        if (HWND window = controls_[index(control.id)]) {
            const RECT place = units::toPixels(control, dpi);
            SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(window, WM_SETFONT,
                         reinterpret_cast<WPARAM>(fonts->controls[index(control.id)]), FALSE);
        }
    }
    const RECT line = units::toPixels(design::kStatusLine, dpi);
    SetWindowPos(statusLine_, nullptr, line.left, line.top, line.right - line.left,
                 line.bottom - line.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fonts_ = std::move(fonts);
    dpi_ = dpi;
    fitFonts();
    InvalidateRect(window_, nullptr, FALSE);
}

void FrmMain::Form_Load() {
    logic_.Form_Load();
    showState();
}

void FrmMain::quitAfterFirstPaintWhenMeasured() {
    quitAfterPaint_ = GetEnvironmentVariableA(kQuitAfterFirstPaint, nullptr, 0) > 0;
}

bool FrmMain::preTranslate(MSG& message) {
    return IsDialogMessageW(window_, &message);
}

void FrmMain::onTextChanged(Input which) {
    logic_.field(which).Text = narrow(textOf(input(which)));
    logic_.change(which);
    showState();
}

// Entering a field selects from the caret to the end; a click keeps the
// caret where it put it; coming back to the window is not entering.
void FrmMain::onEntered(Input which, Entry entry) {
    if (entry == Entry::Returning)
        return;
    HWND edit = input(which);
    const std::wstring text = textOf(edit);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    TextField& field = logic_.field(which);
    field.SelStart = toCharacters(text, int(start));
    logic_.gotFocus(which);
    if (entry == Entry::Mouse)
        return;
    const int from = toUtf16(text, field.SelStart);
    const int to = toUtf16(text, field.SelStart + field.SelLength);
    SendMessageW(edit, EM_SETSEL, WPARAM(from), LPARAM(to));
}

// Line breaks and tabs around pasted text are dropped; the paste stays one
// step that Ctrl+Z undoes.
void FrmMain::pasteTrimmed(HWND edit) {
    const std::string pasted = narrow(clipboardText(window_));
    const std::wstring kept = widen(numeric_text::trimPasted(pasted));
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
}

// The keypad's decimal key types the locale's separator, as spreadsheets do.
void FrmMain::typeDecimalSeparator(HWND edit) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(separator_.c_str()));
}

// The window gives the focus back to the field that had it.
void FrmMain::returnFocus() {
    const bool starting = !started_;
    started_ = true;
    entering_ = starting ? Entry::Keyboard : Entry::Returning;
    SetFocus(lastFocus_);
    entering_ = Entry::Keyboard;
}

// The result field is disabled, so its clicks come to the window: a right
// click over it offers to copy the result as shown.
void FrmMain::showContextMenu(POINT screen) {
    POINT client = screen;
    ScreenToClient(window_, &client);
    RECT result{};
    GetWindowRect(control(Id::txtDistancia), &result);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&result), 2);
    if (!PtInRect(&result, client))
        return;
    const UINT chosen = TrackPopupMenu(resultMenu_, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
                                       screen.y, 0, window_, nullptr);
    if (chosen == kCopyCommand)
        putOnClipboard(window_, textOf(control(Id::txtDistancia)));
}

void FrmMain::showState() {
    SetWindowTextW(control(Id::txtMedDiametro), widen(logic_.txtMedDiametro.Text).c_str());
    SetWindowTextW(control(Id::txtMedProfundidad), widen(logic_.txtMedProfundidad.Text).c_str());
    SetWindowTextW(control(Id::txtDistancia), widen(logic_.txtDistancia.Text).c_str());
    Button_SetCheck(control(Id::Option1), logic_.Option1.Value ? BST_CHECKED : BST_UNCHECKED);
    Button_SetCheck(control(Id::Option2), logic_.Option2.Value ? BST_CHECKED : BST_UNCHECKED);
    const auto line = texts::statusLine(logic_.status(), logic_.decimalSeparator());
    statusText_ = widen(line.text);
    statusIsMessage_ = line.isMessage;
    SetWindowTextW(statusLine_, statusText_.c_str());
    fitFonts();
    InvalidateRect(control(Id::txtDistancia), nullptr, FALSE);
    InvalidateRect(statusLine_, nullptr, FALSE);
    repaintMovedPictures();
}

// The result's and the status line's fonts, shrunk to fit their texts.
void FrmMain::fitFonts() {
    HDC dc = GetDC(window_);
    HWND result = control(Id::txtDistancia);
    RECT client{};
    GetClientRect(result, &client);
    DeleteObject(fonts_->result);
    fonts_->result = fittedFont(dc, design::control(Id::txtDistancia).font, dpi_, textOf(result),
                                client.right - client.left - 4);
    const RECT area = statusLineRect();
    DeleteObject(fonts_->statusLine);
    fonts_->statusLine =
        fittedFont(dc, design::kStatusLine.font, dpi_, statusText_, area.right - area.left);
    ReleaseDC(window_, dc);
}

RECT FrmMain::statusLineRect() const {
    return units::toPixels(design::kStatusLine, dpi_);
}

// The part of a picture inside the window, in whole pixels around it; empty
// when it draws nothing.
RECT FrmMain::pictureVisiblePart(const Rect& twips) const {
    RECT client{};
    GetClientRect(window_, &client);
    const double left = units::toPixels(twips.left, dpi_);
    const double top = units::toPixels(twips.top, dpi_);
    const double right = left + units::toPixels(twips.width, dpi_);
    const double bottom = top + units::toPixels(twips.height, dpi_);
    if (!(right > left && bottom > top))
        return {};
    const auto clampTo = [](double value, LONG low, LONG high) {
        return static_cast<LONG>(std::clamp(value, double(low), double(high)));
    };
    RECT part{clampTo(std::floor(left) - 1, client.left, client.right),
              clampTo(std::floor(top) - 1, client.top, client.bottom),
              clampTo(std::ceil(right) + 1, client.left, client.right),
              clampTo(std::ceil(bottom) + 1, client.top, client.bottom)};
    return IsRectEmpty(&part) ? RECT{} : part;
}

// A keystroke repaints only the pictures that moved: where each was, and
// where it is now.
void FrmMain::repaintMovedPictures() {
    for (const PictureId id : design::kPicturesTopDown) {
        Rect& shown = shownPictures_[static_cast<std::size_t>(id)];
        const Rect now = logic_.picture(id).rect();
        if (now == shown)
            continue;
        for (const Rect& moved : {shown, now}) {
            const RECT part = pictureVisiblePart(moved);
            if (!IsRectEmpty(&part))
                InvalidateRect(window_, &part, FALSE);
        }

        shown = now;
    }
}

// Everything the window draws on its own surface, bottom to top.
void FrmMain::paint(HDC dc, const RECT& area) const {
    fill(dc, area, units::toColorRef(design::kFrmMain.backColour));
    paintPictures(dc, area);
    for (auto id = design::kLabelsTopDown.rbegin(); id != design::kLabelsTopDown.rend(); ++id)
        paintLabel(dc, *id);
    paintStatusLine(dc);
    for (const design::Control& control : design::kControls) {
        if (control.kind == design::Kind::Frame)
            paintFrame(dc, control.id);
    }
    for (const design::Control& control : design::kControls) {
        if (control.kind == design::Kind::Label && control.container != Id::frmMain)
            paintLabel(dc, control.id);
    }
}

void FrmMain::paintPictures(HDC dc, const RECT& area) const {
    RECT client{};
    GetClientRect(window_, &client);
    RECT visible{};
    if (!IntersectRect(&visible, &client, &area))
        return;
    for (auto id = design::kPicturesTopDown.rbegin(); id != design::kPicturesTopDown.rend(); ++id) {
        const Rect twips = logic_.picture(*id).rect();
        pictures_.paint(dc, *id, units::toPixels(twips.left, dpi_),
                        units::toPixels(twips.top, dpi_), units::toPixels(twips.width, dpi_),
                        units::toPixels(twips.height, dpi_), visible);
    }
}

// An etched border whose top line runs through the middle of the caption, on
// the frame's back colour.
void FrmMain::paintFrame(HDC dc, Id id) const {
    const design::Control& frame = design::control(id);
    const RECT rect = units::toPixels(frame, dpi_);
    HFONT font = fonts_->controls[index(id)];
    const std::wstring caption = widen(frame.caption);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
    SelectObject(dc, previous);

    const COLORREF back = units::toColorRef(*frame.backColour);
    fill(dc, rect, back);
    RECT border{rect.left, rect.top + extent.cy / 2, rect.right, rect.bottom};
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    const int indent = units::toWholePixels(design::kFrameCaptionIndent, dpi_);
    const int padding = units::toWholePixels(design::kFrameCaptionPadding, dpi_);
    const RECT captionArea{rect.left + indent, rect.top,
                           rect.left + indent + extent.cx + 2 * padding, rect.top + extent.cy};
    fill(dc, captionArea, back);
    drawText(dc, caption, captionArea, font, units::toColorRef(*frame.foreColour),
             DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

void FrmMain::paintLabel(HDC dc, Id id) const {
    const design::Control& label = design::control(id);
    RECT rect = units::toPixels(label, dpi_);
    if (!(label.flags & design::kTransparent) && label.backColour)
        fill(dc, rect, units::toColorRef(*label.backColour));
    if (label.flags & design::kSingleBorder)
        DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
    const UINT format =
        label.flags & design::kCentred ? DT_CENTER | DT_VCENTER | DT_SINGLELINE : DT_LEFT | DT_TOP;
    drawText(dc, widen(label.caption), rect, fonts_->controls[index(id)],
             units::toColorRef(label.foreColour.value_or(design::kSystemWindowText)), format);
}

void FrmMain::paintStatusLine(HDC dc) const {
    const design::Colour colour =
        statusIsMessage_ ? *design::kStatusLine.foreColour : design::kSystemWindowText;
    drawText(dc, statusText_, statusLineRect(), fonts_->statusLine, units::toColorRef(colour),
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The status line is a window of its own, but looks as if drawn on the
// window: it paints the pictures and labels beneath it, then its words.
void FrmMain::paintStatusLineControl(const DRAWITEMSTRUCT& item) const {
    paintBuffered(item.hDC, statusLineRect(), {0, 0});
}

// Draws `area` of the window into a bitmap first, then copies it to `target`
// at `at`: nothing flickers.
void FrmMain::paintBuffered(HDC target, const RECT& area, POINT at) const {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    HDC buffer = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ previous = SelectObject(buffer, bitmap);
    SetViewportOrgEx(buffer, -area.left, -area.top, nullptr);
    paint(buffer, area);
    BitBlt(target, at.x, at.y, width, height, buffer, area.left, area.top, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

// The result in blue while it follows the figures, grey when it does not,
// whatever the disabled field would draw by itself.
void FrmMain::paintResult(HWND edit, HDC dc) const {
    RECT client{};
    GetClientRect(edit, &client);
    fill(dc, client, GetSysColor(COLOR_WINDOW));
    const design::Colour colour = logic_.status().resultIsCurrent()
                                      ? *design::control(Id::txtDistancia).foreColour
                                      : design::kOutOfDateGrey;
    drawText(dc, textOf(edit), client, fonts_->result, units::toColorRef(colour),
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
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
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                for (const Input which : kInputs) {
                    if (focus == input(which))
                        lastFocus_ = focus;
                }
            } else if (!HIWORD(wParam)) {
                returnFocus();
            }
            return 0;
        case WM_SETFOCUS:
            returnFocus();
            return 0;
        case WM_CONTEXTMENU:
            showContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CTLCOLORSTATIC: {
            // The option buttons, on the design's back colour.
            const design::Control& option = design::control(Id::Option1);
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, units::toColorRef(*option.foreColour));
            SetBkColor(dc, units::toColorRef(*option.backColour));
            return reinterpret_cast<LRESULT>(
                GetSysColorBrush(static_cast<int>(*option.backColour & 0xFF)));
        }
        case WM_DRAWITEM:
            if (wParam == kStatusLineId)
                paintStatusLineControl(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window_, &ps);
            paintBuffered(dc, ps.rcPaint, {ps.rcPaint.left, ps.rcPaint.top});
            EndPaint(window_, &ps);
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

LRESULT CALLBACK FrmMain::inputProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR owner) noexcept {
    auto* self = reinterpret_cast<FrmMain*>(owner);
    for (const Input which : kInputs) {
        if (self->input(which) == edit)
            return self->handleInput(which, edit, message, wParam, lParam);
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT FrmMain::handleInput(Input which, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            // Tab must not select the whole text: entering applies our rule.
            return DefSubclassProc(edit, message, wParam, lParam) & ~DLGC_HASSETSEL;
        case WM_KEYDOWN:
            keypadDecimal_ = wParam == VK_DECIMAL || wParam == VK_SEPARATOR;
            break;
        case WM_CHAR:
            if (keypadDecimal_) {
                keypadDecimal_ = false;
                typeDecimalSeparator(edit);
                return 0;
            }
            break;
        case WM_PASTE:
            pasteTrimmed(edit);
            return 0;
        case WM_LBUTTONDOWN: {
            entering_ = Entry::Mouse;
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            entering_ = Entry::Keyboard;
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            lastFocus_ = edit;
            onEntered(which, entering_);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, inputProcedure, kInputSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK FrmMain::resultProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR owner) noexcept {
    const auto* self = reinterpret_cast<const FrmMain*>(owner);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(edit, &ps);
            self->paintResult(edit, dc);
            EndPaint(edit, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, resultProcedure, kResultSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace lnb::win32
