// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/painter.hpp"

#include <algorithm>

#include "win32/wide_text.hpp"

namespace lnb::win32 {
namespace {

using design::Id;

// An option button's circle and the room after it, in pixels at 96 DPI.
constexpr int kOptionCircle = 13;
constexpr int kOptionGap = 4;

void fill(HDC dc, const RECT& rect, design::Rgb rgb) {
    SetBkColor(dc, units::toColorRef(rgb));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void drawText(HDC dc, const ShownControl& shown, RECT rect, HFONT font, UINT format) {
    const gdi::Selection selected(dc, font);
    SetTextColor(dc, units::toColorRef(shown.fore));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = widen(shown.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
}

// A one-pixel outline: `topLeft` along the top and left, `bottomRight` along
// the other two sides.
void outline(HDC dc, const RECT& r, design::Rgb topLeft, design::Rgb bottomRight) {
    fill(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    fill(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// Etched: the dark line of a 3D edge with its light one just inside it.
void etched(HDC dc, const RECT& r, const design::SystemColours& system) {
    outline(dc, {r.left, r.top, r.right - 1, r.bottom - 1}, system.shadow, system.shadow);
    outline(dc, {r.left + 1, r.top + 1, r.right, r.bottom}, system.light, system.light);
}

}  // namespace

// The resources carry the drawings by their pictures' names.
bool Painter::load(HINSTANCE instance) {
    for (const PictureId drawing : design::kDrawings) {
        const std::wstring name = widen(design::pictureName(drawing));
        Bitmap& bitmap = bitmaps_[static_cast<std::size_t>(drawing)];
        bitmap.handle = gdi::Object<HBITMAP>(static_cast<HBITMAP>(
            LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        BITMAP info{};
        if (!bitmap.handle || !GetObjectW(bitmap.handle.get(), sizeof info, &info))
            return false;
        bitmap.size = {info.bmWidth, info.bmHeight};
    }
    return true;
}

HBRUSH Painter::brush(design::Rgb rgb) const {
    auto& made = brushes_[rgb];
    if (!made)
        made = gdi::Object<HBRUSH>(CreateSolidBrush(units::toColorRef(rgb)));
    return made.get();
}

// Bottom to top: the background, the pictures, the window's labels, the
// frames and the labels they hold; what the view does not show is not drawn.
void Painter::paintWindow(HDC dc, const RECT& area, const RECT& client, const View& view,
                          const units::Fonts& fonts) const {
    const gdi::SavedState saved(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    fill(dc, area, view.window.back);
    for (const ShownPicture& picture : view.picturesBottomUp)
        paintPicture(dc, picture, client, fonts.dpi());
    // Words are laid out before they are clipped: only those in `area` are drawn.
    const auto touches = [&](const design::Control& control) {
        const RECT place = units::toPixels(control, fonts.dpi());
        RECT overlap{};
        return view[control.id].shown && design::isOnPlatform(control, false) &&
               IntersectRect(&overlap, &place, &area) != FALSE;
    };
    for (auto id = design::kLabelsTopDown.rbegin(); id != design::kLabelsTopDown.rend(); ++id) {
        if (touches(design::control(*id)))
            paintLabel(dc, *id, view, fonts);
    }
    for (const design::Control& control : design::kControls) {
        if (control.kind == design::Kind::Frame && touches(control))
            paintFrame(dc, control.id, view, fonts);
    }
    for (const design::Control& control : design::kControls) {
        if (control.kind == design::Kind::Label && control.container != Id::frmMain &&
            touches(control))
            paintLabel(dc, control.id, view, fonts);
    }
}

void Painter::paintPicture(HDC dc, const ShownPicture& picture, const RECT& client,
                           UINT dpi) const {
    if (!picture.shown)
        return;
    const Rendering* rendering = renderingFor(dc, picture, client, dpi);
    if (!rendering)
        return;
    const gdi::MemoryDc source(dc);
    if (!source)
        return;
    const gdi::Selection selected(source.get(), rendering->bitmap.get());
    const RECT& r = rendering->covered;
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source.get(), 0, 0, SRCCOPY);
}

// Nothing when the picture covers no part of the client area.
const Painter::Rendering* Painter::renderingFor(HDC dc, const ShownPicture& picture,
                                                const RECT& client, UINT dpi) const {
    const Bitmap& bitmap = bitmaps_[static_cast<std::size_t>(design::drawingOf(picture.id))];
    const Rect& twips = picture.now;
    auto across =
        clipping::visibleSpans(units::toPixels(twips.left, dpi), units::toPixels(twips.width, dpi),
                               bitmap.size.cx, client.left, client.right);
    auto down =
        clipping::visibleSpans(units::toPixels(twips.top, dpi), units::toPixels(twips.height, dpi),
                               bitmap.size.cy, client.top, client.bottom);
    if (across.empty() || down.empty())
        return nullptr;
    Rendering& rendering = renderings_[static_cast<std::size_t>(picture.id)];
    if (rendering.bitmap && rendering.across == across && rendering.down == down)
        return &rendering;

    const auto covering = [](const std::vector<clipping::Span>& spans, LONG low, LONG high) {
        const clipping::Span& last = spans.back();
        return std::pair{std::max<LONG>(spans.front().targetStart, low),
                         std::min<LONG>(last.targetStart + last.targetLength, high)};
    };
    const auto [left, right] = covering(across, client.left, client.right);
    const auto [top, bottom] = covering(down, client.top, client.bottom);
    rendering = {{left, top, right, bottom}, std::move(across), std::move(down), {}};
    rendering.bitmap = gdi::Object<HBITMAP>(CreateCompatibleBitmap(dc, right - left, bottom - top));
    const gdi::MemoryDc target(dc);
    const gdi::MemoryDc source(dc);
    if (!rendering.bitmap || !target || !source)
        return nullptr;
    const gdi::Selection intoTarget(target.get(), rendering.bitmap.get());
    const gdi::Selection fromSource(source.get(), bitmap.handle.get());
    SetStretchBltMode(target.get(), HALFTONE);
    SetBrushOrgEx(target.get(), 0, 0, nullptr);
    for (const clipping::Span& x : rendering.across) {
        for (const clipping::Span& y : rendering.down) {
            StretchBlt(target.get(), x.targetStart - left, y.targetStart - top, x.targetLength,
                       y.targetLength, source.get(), x.sourceStart, y.sourceStart, x.sourceLength,
                       y.sourceLength, SRCCOPY);
        }
    }
    return &rendering;
}

// An etched border whose top line runs through the middle of the caption, on
// the frame's back colour.
void Painter::paintFrame(HDC dc, Id id, const View& view, const units::Fonts& fonts) const {
    const design::Control& frame = design::control(id);
    const ShownControl& shown = view[id];
    const RECT rect = units::toPixels(frame, fonts.dpi());
    const RECT caption = frameCaption(dc, id, view, fonts);
    fill(dc, rect, shown.back);
    etched(dc, {rect.left, rect.top + (caption.bottom - caption.top) / 2, rect.right, rect.bottom},
           view.system);
    fill(dc, caption, shown.back);
    drawText(dc, shown, caption, fonts.get(frame.font, shown.pointSize),
             DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

RECT Painter::frameCaption(HDC dc, Id id, const View& view, const units::Fonts& fonts) const {
    const design::Control& frame = design::control(id);
    const ShownControl& shown = view[id];
    const UINT dpi = fonts.dpi();
    const RECT rect = units::toPixels(frame, dpi);
    const std::wstring caption = widen(shown.text);
    SIZE extent{};
    {
        const gdi::Selection selected(dc, fonts.get(frame.font, shown.pointSize));
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    }
    const int indent = units::toWholePixels(design::kFrameCaptionIndent, dpi);
    const int padding = units::toWholePixels(design::kFrameCaptionPadding, dpi);
    return {rect.left + indent, rect.top, rect.left + indent + extent.cx + 2 * padding,
            rect.top + extent.cy};
}

void Painter::paintLabel(HDC dc, Id id, const View& view, const units::Fonts& fonts) const {
    const design::Control& label = design::control(id);
    const ShownControl& shown = view[id];
    const RECT rect = units::toPixels(label, fonts.dpi());
    if (!(label.flags & design::kTransparent))
        fill(dc, rect, shown.back);
    if (label.flags & design::kSingleBorder)  // sunken
        outline(dc, rect, view.system.shadow, view.system.light);
    const UINT format =
        label.flags & design::kCentred ? DT_CENTER | DT_VCENTER | DT_SINGLELINE : DT_LEFT | DT_TOP;
    drawText(dc, shown, rect, fonts.get(label.font, shown.pointSize), format);
}

void Painter::paintOption(HDC dc, const RECT& client, Id id, const View& view,
                          const units::Fonts& fonts) const {
    const ShownControl& shown = view[id];
    fill(dc, client, shown.back);
    const UINT dpi = fonts.dpi();
    const int diameter = MulDiv(kOptionCircle, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
    const int top = (client.top + client.bottom - diameter) / 2;
    const RECT circle{client.left, top, client.left + diameter, top + diameter};
    {
        const gdi::Object<HPEN> pen(CreatePen(PS_SOLID, 1, units::toColorRef(shown.fore)));
        const gdi::Selection withPen(dc, pen.get());
        const gdi::Selection hollow(dc, brush(shown.back));
        Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
        if (shown.checked) {
            const int inset = diameter / 3;
            const gdi::Selection dot(dc, brush(shown.fore));
            Ellipse(dc, circle.left + inset, circle.top + inset, circle.right - inset,
                    circle.bottom - inset);
        }
    }
    const RECT caption{
        circle.right + MulDiv(kOptionGap, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI),
        client.top, client.right, client.bottom};
    drawText(dc, shown, caption, fonts.get(design::control(id).font, shown.pointSize),
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void Painter::paintButton(HDC dc, const RECT& client, Id id, const View& view,
                          const units::Fonts& fonts, ButtonState state) const {
    const ShownControl& shown = view[id];
    const design::SystemColours& system = view.system;
    fill(dc, client, shown.back);
    const bool sunken = state.pushed || shown.checked;
    outline(dc, client, sunken ? system.darkShadow : system.light,
            sunken ? system.light : system.darkShadow);
    const RECT inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    outline(dc, inner, sunken ? system.shadow : shown.back, sunken ? shown.back : system.shadow);
    RECT caption = inner;
    if (sunken)
        OffsetRect(&caption, 1, 1);
    drawText(dc, shown, caption, fonts.get(design::control(id).font, shown.pointSize),
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (state.focused) {
        const RECT focus{inner.left + 2, inner.top + 2, inner.right - 2, inner.bottom - 2};
        SetTextColor(dc, units::toColorRef(shown.fore));
        SetBkColor(dc, units::toColorRef(shown.back));
        DrawFocusRect(dc, &focus);
    }
}

void Painter::paintTextField(HDC dc, const RECT& client, Id id, const View& view,
                             const units::Fonts& fonts) const {
    const design::Control& field = design::control(id);
    const ShownControl& shown = view[id];
    fill(dc, client, shown.back);
    drawText(dc, shown, client, fonts.get(field.font, shown.pointSize),
             (field.flags & design::kCentred ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace lnb::win32
