// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <vector>

#include "design/view.hpp"
#include "logic/picture_clipping.hpp"
#include "win32/gdi.hpp"
#include "win32/units.hpp"

namespace lnb::win32 {

// Everything the window draws itself, with GDI, from the core's view: its
// background, the pictures, the labels and frames, and the controls
// Windows would not draw as the view says. The pictures are bitmaps made from the SVG
// drawings at build time, carried as resources named after their controls.
class Painter {
  public:
    // False when a picture is missing from the program file.
    bool load(HINSTANCE instance);

    // `area` of the window's surface, whose client rectangle is `client`.
    void paintWindow(HDC dc, const RECT& area, const RECT& client, const View& view,
                     const units::Fonts& fonts) const;
    // A text field's client rectangle, the field drawn by the window (the
    // disabled result): its text in its colour and size.
    void paintTextField(HDC dc, const RECT& client, design::Id id, const View& view,
                        const units::Fonts& fonts) const;

    // An option button's client rectangle, flat: a circle (with a dot when
    // selected) and the caption beside it, all in the caption's colour.
    void paintOption(HDC dc, const RECT& client, design::Id id, const View& view,
                     const units::Fonts& fonts) const;

    // A button's client rectangle: raised on the view's back colour, sunken
    // while pushed or held down (checked), its caption centred in the view's
    // text colour, a dotted line inside it while it has the focus.
    struct ButtonState {
        bool pushed, focused;
    };
    void paintButton(HDC dc, const RECT& client, design::Id id, const View& view,
                     const units::Fonts& fonts, ButtonState state) const;

    // Where a frame's caption is drawn, over the frame's border.
    RECT frameCaption(HDC dc, design::Id frame, const View& view, const units::Fonts& fonts) const;

    // A brush of a view's colour, for the controls Windows draws itself.
    HBRUSH brush(design::Rgb rgb) const;

  private:
    struct Bitmap {
        gdi::Object<HBITMAP> handle;
        SIZE size{};
    };
    // A picture stretched over the part of the client area it covers, made
    // once for each place and size: painting then only copies from it, so
    // that parts painted apart meet without a seam.
    struct Rendering {
        RECT covered{};  // client pixels
        std::vector<clipping::Span> across, down;
        gdi::Object<HBITMAP> bitmap;
    };

    void paintPicture(HDC dc, const ShownPicture& picture, const RECT& client, UINT dpi) const;
    void paintFrame(HDC dc, design::Id id, const View& view, const units::Fonts& fonts) const;
    void paintLabel(HDC dc, design::Id id, const View& view, const units::Fonts& fonts) const;

    const Rendering* renderingFor(HDC dc, const ShownPicture& picture, const RECT& client,
                                  UINT dpi) const;

    std::array<Bitmap, design::kDrawings.size()> bitmaps_;  // by PictureId of the drawing
    mutable std::array<Rendering, kPictureCount> renderings_;
    mutable std::map<design::Rgb, gdi::Object<HBRUSH>> brushes_;
};

}  // namespace lnb::win32
