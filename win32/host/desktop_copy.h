// Copies of the desktop image: scaled into the preview window, or kept as the saver's background.
#pragma once

#include <windows.h>

#include "win32/host/gdi_owners.h"

namespace globulon {

// Draws the whole primary screen into hdc, stretched to the client area of hwnd; black on a
// desktop other than the user's.
void CopyDesktopToWindow(HWND hwnd, HDC hdc);

// A picture of a region of the screen, held in a memory bitmap so that it survives every
// repaint of the window that shows it. Owns its bitmap.
class DesktopSnapshot {
  public:
    DesktopSnapshot() = default;
    DesktopSnapshot(const DesktopSnapshot&) = delete;
    DesktopSnapshot& operator=(const DesktopSnapshot&) = delete;
    ~DesktopSnapshot();

    // Copies widthPx x heightPx pixels of the screen from (left, top), unscaled, replacing any
    // earlier picture. False (and empty) when the size is not positive or the copy could not be
    // made.
    bool Capture(int widthPx, int heightPx, int left = 0, int top = 0);
    // Draws the picture's part that lies in area (client coordinates; the picture's top-left
    // corner at 0,0) unscaled; parts of area beyond the picture are painted black. False, drawing
    // nothing, when there is no picture.
    bool PaintTo(HDC hdc, const RECT& area) const;
    bool Empty() const { return !bitmap_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The held bitmap (null when empty); it stays owned by the snapshot.
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    // Gives the bitmap back; the snapshot is empty afterwards.
    void Clear();

  private:
    GdiObject<HBITMAP> bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// Takes the desktop under the form (every monitor it covers) as its background picture and has
// the form repaint. False when no picture could be taken, and on a desktop other than the user's,
// where the form stays black.
bool SetDesktopBackdrop(HWND form, DesktopSnapshot& snapshot);

}  // namespace globulon
