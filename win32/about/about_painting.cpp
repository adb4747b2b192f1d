// What the About box draws itself: the etched frame and the picture in its corner, an icon or a
// bitmap sized for the box's DPI.
#include <windows.h>

#include <utility>

#include "core/forms/about_layout.h"
#include "win32/about/about_box.h"
#include "win32/host/form_window.h"
#include "win32/host/gdi_owners.h"
#include "win32/host/resource_ids.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

SIZE PictureSize(const AboutPicture& picture) {
    SIZE size = {0, 0};
    if (picture.Icon) {
        ICONINFO info = {};
        if (GetIconInfo(picture.Icon, &info)) {
            // The call made copies of the icon's bitmaps for the caller.
            const GdiObject<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
            BITMAP bitmap = {};
            if (GetObjectW(color ? color.Get() : mask.Get(), sizeof(bitmap), &bitmap)) {
                size.cx = bitmap.bmWidth;
                // A monochrome icon keeps its image and mask one above the other.
                size.cy = color ? bitmap.bmHeight : bitmap.bmHeight / 2;
            }
        }
    } else if (picture.Bitmap) {
        BITMAP bitmap = {};
        if (GetObjectW(picture.Bitmap, sizeof(bitmap), &bitmap)) {
            size.cx = bitmap.bmWidth;
            size.cy = bitmap.bmHeight;
        }
    }
    return size;
}

}  // namespace

void AboutBox::ShowPicture(AboutPicture picture) {
    GdiObject<HBITMAP> previous = std::move(ownBitmap_);
    if (picture.Empty()) {
        ownBitmap_.Reset(
            static_cast<HBITMAP>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(ProgramBitmapId),
                                            IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
        picture = AboutPicture::FromBitmap(ownBitmap_.Get());
    } else if (picture.Bitmap == previous.Get()) {
        ownBitmap_ = std::move(previous);  // showing our own bitmap again
    }
    picture_ = picture;
    SizePicture();
    // `previous`, a bitmap no longer shown, is deleted here, after the image stopped using it.
}

void AboutBox::SizePicture() {
    if (!imgIcon_) return;
    // The image sizes itself to the picture, which comes made for the system DPI.
    const SIZE size = PictureSize(picture_);
    if (size.cx > 0 && size.cy > 0) {
        const int systemDpi = SystemDpi();
        SetWindowPos(imgIcon_, nullptr, 0, 0, MulDiv(size.cx, dpi_, systemDpi),
                     MulDiv(size.cy, dpi_, systemDpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(imgIcon_, nullptr, TRUE);
}

void AboutBox::PaintFrame() {
    // Frame1 is only a drawn edge: a window there would hide the box's background behind it.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    if (!dc) return;
    RECT edge = FrameRect();
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    EndPaint(Hwnd(), &paint);
}

void AboutBox::DrawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    // The picture fills the image, which is the picture's size at the box's DPI.
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (picture_.Icon) {
        DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, picture_.Icon, width, height, 0,
                   nullptr, DI_NORMAL);
        return;
    }
    if (!picture_.Bitmap) return;
    BITMAP bitmap = {};
    if (!GetObjectW(picture_.Bitmap, sizeof(bitmap), &bitmap)) return;
    const MemoryDc source(item.hDC);
    const SelectedObject selected(source.Get(), picture_.Bitmap);
    if (!selected) return;
    const int previousMode = SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source.Get(), 0, 0,
               bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
    if (previousMode) SetStretchBltMode(item.hDC, previousMode);
}

}  // namespace globulon
