// The frame's figures drawn with Xlib; see xlib_canvas.h.
#include "x11/xlib_canvas.h"

#include <algorithm>

#include "x11/line_clip.h"

namespace globulon::x11 {
namespace {

constexpr ColorValue Black = 0;
constexpr int FullCircle = 360 * 64;  // arc angles count in 64ths of a degree
// How far past its area a line is still drawn as it is before it is cut: the GC's clip takes the
// rest, and the cut ends stay far from the 16-bit limit.
constexpr std::int32_t ClipMargin = 64;

// One channel of a colour value, scaled to X's 16 bits.
unsigned short Channel(ColorValue color, int shift) {
    return static_cast<unsigned short>(((color >> shift) & 0xFF) * 257);
}

// A GC with a thin solid line that, like the Windows pen, leaves out the last pixel of a line.
GC MakeGc(Display* display, Window window, unsigned long pixel) {
    XGCValues values = {};
    values.foreground = pixel;
    values.line_width = 0;
    values.cap_style = CapNotLast;
    values.graphics_exposures = False;
    return XCreateGC(display, window, GCForeground | GCLineWidth | GCCapStyle | GCGraphicsExposures,
                     &values);
}

}  // namespace

XlibCanvas::XlibCanvas(Display* display, Window window, Colormap colormap, ColorValue penColor)
    : display_(display), window_(window), colormap_(colormap) {
    black_ = AllocatePixel(Black);
    penColor_ = penColor;
    penPixel_ = AllocatePixel(penColor);
    blackGc_ = MakeGc(display, window, black_);
    penGc_ = MakeGc(display, window, penPixel_);
}

XlibCanvas::~XlibCanvas() {
    XFreeGC(display_, penGc_);
    XFreeGC(display_, blackGc_);
    FreePixel(penPixel_);
    FreePixel(black_);
}

unsigned long XlibCanvas::AllocatePixel(ColorValue color) {
    XColor cell = {};
    cell.red = Channel(color, 0);
    cell.green = Channel(color, 8);
    cell.blue = Channel(color, 16);
    cell.flags = DoRed | DoGreen | DoBlue;
    // A full colour map (only on old 8-bit screens) still leaves a visible pen.
    if (!XAllocColor(display_, colormap_, &cell)) {
        return color == Black ? BlackPixel(display_, DefaultScreen(display_))
                              : WhitePixel(display_, DefaultScreen(display_));
    }
    return cell.pixel;
}

void XlibCanvas::FreePixel(unsigned long pixel) {
    // The screen's own black and white stand in when a colour could not be allocated; they
    // are not this program's to free.
    const int screen = DefaultScreen(display_);
    if (pixel == BlackPixel(display_, screen) || pixel == WhitePixel(display_, screen)) return;
    XFreeColors(display_, colormap_, &pixel, 1, 0);
}

void XlibCanvas::EnterArea(const PixelRect& area) {
    area_ = area;
    XRectangle clip = {static_cast<short>(area.Left), static_cast<short>(area.Top),
                       static_cast<unsigned short>(std::max(0, area.Width)),
                       static_cast<unsigned short>(std::max(0, area.Height))};
    XSetClipRectangles(display_, blackGc_, 0, 0, &clip, 1, YXBanded);
    XSetClipRectangles(display_, penGc_, 0, 0, &clip, 1, YXBanded);
}

PixelPoint XlibCanvas::InWindow(const PixelPoint& point) const {
    return {point.X + area_.Left, point.Y + area_.Top};
}

void XlibCanvas::SetPen(ColorValue color) {
    if (color == penColor_) return;
    const unsigned long previous = penPixel_;
    penPixel_ = AllocatePixel(color);
    penColor_ = color;
    XSetForeground(display_, penGc_, penPixel_);
    FreePixel(previous);
}

void XlibCanvas::Disc(const PixelBox& box) {
    // The box excludes its right and bottom edges; an X arc's box includes them.
    const auto width = static_cast<unsigned>(std::max(0, box.Right - box.Left - 1));
    const auto height = static_cast<unsigned>(std::max(0, box.Bottom - box.Top - 1));
    const PixelPoint corner = InWindow({box.Left, box.Top});
    XFillArc(display_, window_, blackGc_, corner.X, corner.Y, width, height, 0, FullCircle);
    XDrawArc(display_, window_, penGc_, corner.X, corner.Y, width, height, 0, FullCircle);
}

void XlibCanvas::FillArea(const PixelBox& area) {
    const PixelPoint corner = InWindow({area.Left, area.Top});
    XFillRectangle(display_, window_, blackGc_, corner.X, corner.Y,
                   static_cast<unsigned>(std::max(0, area.Right - area.Left)),
                   static_cast<unsigned>(std::max(0, area.Bottom - area.Top)));
}

void XlibCanvas::MoveDot(const PixelPoint& point, ColorValue color) {
    // The dots are drawn in the pen's colour: the frame gives both the same.
    SetPen(color);
    position_ = point;
    // A dot past the area is clipped anyway; far past it, it would wrap round into it.
    if (point.X < 0 || point.Y < 0 || point.X >= area_.Width || point.Y >= area_.Height) return;
    const PixelPoint dot = InWindow(point);
    XDrawPoint(display_, window_, penGc_, dot.X, dot.Y);
}

void XlibCanvas::LineTo(const PixelPoint& point) {
    PixelPoint from = position_;
    PixelPoint to = point;
    position_ = point;
    const PixelBox reach = {-ClipMargin, -ClipMargin, area_.Width + ClipMargin,
                            area_.Height + ClipMargin};
    if (!ClipLine(from, to, reach)) return;
    from = InWindow(from);
    to = InWindow(to);
    XDrawLine(display_, window_, penGc_, from.X, from.Y, to.X, to.Y);
}

void XlibCanvas::ClearPicture() {
    XFillRectangle(display_, window_, blackGc_, area_.Left, area_.Top,
                   static_cast<unsigned>(std::max(0, area_.Width)),
                   static_cast<unsigned>(std::max(0, area_.Height)));
}

}  // namespace globulon::x11
