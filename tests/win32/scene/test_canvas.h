// A white 32-bit memory picture to draw on and read back, and a small window to go with it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace globulon {

// Pixels in memory (top-down DIB section) selected into a memory context; owns both.
class TestCanvas {
  public:
    TestCanvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        if (Ready()) Fill(RGB(255, 255, 255));
    }
    ~TestCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC Dc() const { return dc_; }
    bool Ready() const { return dc_ && bitmap_ && pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(COLORREF color) {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i) pixels_[i] = ToPixel(color);
    }
    // The colour at (x, y) as a COLORREF.
    COLORREF At(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel = pixels_[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int Count(COLORREF color) const {
        GdiFlush();
        int count = 0;
        for (int i = 0; i < width_ * height_; ++i) count += pixels_[i] == ToPixel(color);
        return count;
    }

    // How many pixels differ from another picture of the same size (all when the sizes differ).
    int Differences(const TestCanvas& other) const {
        GdiFlush();
        if (other.width_ != width_ || other.height_ != height_) return width_ * height_;
        int count = 0;
        for (int i = 0; i < width_ * height_; ++i) count += pixels_[i] != other.pixels_[i];
        return count;
    }

  private:
    static std::uint32_t ToPixel(COLORREF color) {
        return (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
               (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

}  // namespace globulon
