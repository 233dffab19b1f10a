// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_painter.hpp"

#include <cassert>

#include "picture_spans.hpp"
#include "wide_text.hpp"

namespace lnb::win32 {

PicturePainter::PicturePainter(HINSTANCE instance) {
    const WindowState names;  // the pictures' names, as the resources carry them
    for (std::size_t i = 0; i < bitmaps_.size(); ++i) {
        const std::wstring name = widen(names.pictures()[i]->name());
        auto* handle = static_cast<HBITMAP>(
            LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        assert(handle && "every picture is compiled into the program");
        BITMAP info{};
        if (handle)
            GetObjectW(handle, sizeof info, &info);
        bitmaps_[i] = {handle, {info.bmWidth, info.bmHeight}};
    }
}

PicturePainter::~PicturePainter() {
    for (const Bitmap& bitmap : bitmaps_) DeleteObject(bitmap.handle);
}

void PicturePainter::paint(HDC dc, PictureId id, double left, double top, double width,
                           double height, const RECT& visible) const {
    const Bitmap& bitmap = bitmaps_[static_cast<std::size_t>(id)];
    if (!bitmap.handle)
        return;
    const auto across = visibleSpans(left, width, bitmap.size.cx, visible.left, visible.right);
    const auto down = visibleSpans(top, height, bitmap.size.cy, visible.top, visible.bottom);
    if (across.empty() || down.empty())
        return;

    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap.handle);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, visible.left, visible.top, visible.right, visible.bottom);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    for (const Span& x : across) {
        for (const Span& y : down) {
            StretchBlt(dc, x.targetStart, y.targetStart, x.targetLength, y.targetLength, source,
                       x.sourceStart, y.sourceStart, x.sourceLength, y.sourceLength, SRCCOPY);
        }
    }
    RestoreDC(dc, saved);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace lnb::win32
