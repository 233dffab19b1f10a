// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>

#include "window_state.hpp"

namespace lnb::win32 {

// The six diagram pictures: bitmaps made from the SVG drawings at build time,
// carried as resources named after their controls, each drawn stretched and
// opaque over its rectangle.
class PicturePainter {
  public:
    explicit PicturePainter(HINSTANCE instance);
    ~PicturePainter();
    PicturePainter(const PicturePainter&) = delete;
    PicturePainter& operator=(const PicturePainter&) = delete;

    // Paints the part of picture `id` stretched over `left, top, width,
    // height` (device pixels, any size) that lies inside `visible`.
    void paint(HDC dc, PictureId id, double left, double top, double width, double height,
               const RECT& visible) const;

  private:
    struct Bitmap {
        HBITMAP handle = nullptr;
        SIZE size{};
    };
    std::array<Bitmap, 6> bitmaps_{};
};

}  // namespace lnb::win32
