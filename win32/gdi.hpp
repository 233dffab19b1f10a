// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <optional>
#include <utility>

// Scoped owners of GDI handles: whatever path a painting takes, what it
// selected is put back and what it made is deleted.
namespace lnb::win32::gdi {

// A GDI object (font, bitmap, brush, pen) deleted with its owner.
template <typename Handle>
class Object {
  public:
    Object() = default;
    explicit Object(Handle handle) : handle_(handle) {}
    ~Object() { reset(); }
    Object(Object&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset() {
        if (handle_)
            DeleteObject(handle_);
        handle_ = nullptr;
    }

  private:
    Handle handle_ = nullptr;
};

// An object selected into a device context for the owner's lifetime.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A device context's state (clipping, origins, modes) saved and restored.
class SavedState {
  public:
    explicit SavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedState() { RestoreDC(dc_, saved_); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// A memory device context compatible with another.
class MemoryDc {
  public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_)
            DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HDC dc_;
};

// A window's (or, with no window, the screen's) device context.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Painting a window in answer to WM_PAINT.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// `area` of a surface painted into a bitmap first and copied to `target` at
// `at` when the owner goes: nothing flickers. get() draws with the area at its
// own coordinates; nothing is drawn or copied when the system refuses the
// bitmap.
class DoubleBuffer {
  public:
    DoubleBuffer(HDC target, const RECT& area, POINT at)
        : target_(target),
          area_(area),
          at_(at),
          buffer_(target),
          bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)) {
        if (!buffer_ || !bitmap_)
            return;
        selected_.emplace(buffer_.get(), bitmap_.get());
        SetViewportOrgEx(buffer_.get(), -area.left, -area.top, nullptr);
    }
    ~DoubleBuffer() {
        if (selected_)
            BitBlt(target_, at_.x, at_.y, area_.right - area_.left, area_.bottom - area_.top,
                   buffer_.get(), area_.left, area_.top, SRCCOPY);
    }
    DoubleBuffer(const DoubleBuffer&) = delete;
    DoubleBuffer& operator=(const DoubleBuffer&) = delete;

    HDC get() const { return buffer_.get(); }
    explicit operator bool() const { return selected_.has_value(); }

  private:
    HDC target_;
    RECT area_;
    POINT at_;
    MemoryDc buffer_;
    Object<HBITMAP> bitmap_;
    std::optional<Selection> selected_;
};

}  // namespace lnb::win32::gdi
