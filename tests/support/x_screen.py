"""Reads the pixels of an X screen straight through Xlib, fast enough to catch one frame: the
black-box and X11 tests (through tests/blackbox/harness.py) and scripts/benchmark.py read the
screen with it. The display is $DISPLAY at the moment a reader is made.
"""
import ctypes
import hashlib
import threading
import time

_Z_PIXMAP = 2
_ALL_PLANES = 0xFFFFFFFF


class ScreenReader:
    """One connection to the X display, reading its root window."""

    def __init__(self):
        xlib = ctypes.CDLL("libX11.so.6")
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XDefaultRootWindow.restype = ctypes.c_ulong
        xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        xlib.XGetImage.restype = ctypes.c_void_p
        xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                   ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        xlib.XGetPixel.restype = ctypes.c_ulong
        xlib.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        xlib.XDestroyImage.argtypes = [ctypes.c_void_p]
        xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._xlib = xlib
        self._display = xlib.XOpenDisplay(None)
        self._root = xlib.XDefaultRootWindow(self._display)

    def pixels(self, x, y, width=1, height=1):
        """The (r, g, b) of each pixel of the rectangle, row by row ([] when it cannot be read)."""
        xlib = self._xlib
        image = xlib.XGetImage(self._display, self._root, x, y, width, height, _ALL_PLANES,
                               _Z_PIXMAP)
        if not image:
            return []
        values = [xlib.XGetPixel(image, i, j) for j in range(height) for i in range(width)]
        xlib.XDestroyImage(image)
        return [((p >> 16) & 255, (p >> 8) & 255, p & 255) for p in values]

    def digest(self, x, y, width, height):
        """A digest of the rectangle's pixels ("" when it cannot be read)."""
        image = self._xlib.XGetImage(self._display, self._root, x, y, width, height, _ALL_PLANES,
                                     _Z_PIXMAP)
        if not image:
            return ""
        # XImage: width, height, xoffset, format, then the data pointer; bytes_per_line is the
        # eleventh field.
        data = ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2]
        bytes_per_line = ctypes.cast(image, ctypes.POINTER(ctypes.c_int))[11]
        value = hashlib.sha1(ctypes.string_at(data, bytes_per_line * height)).hexdigest()
        self._xlib.XDestroyImage(image)
        return value

    def close(self):
        self._xlib.XCloseDisplay(self._display)


class PixelWatch:
    """Reads one pixel of the X screen as fast as it can, in a thread, until stopped: catches
    what a screenshot is too slow for, such as one wrong frame of a few milliseconds."""

    def __init__(self, x, y):
        self._x, self._y = x, y
        self.samples = []  # (r, g, b) per reading
        self._stop = threading.Event()
        self._thread = threading.Thread(target=self._watch, daemon=True)
        self._thread.start()

    def _watch(self):
        reader = ScreenReader()
        while not self._stop.is_set():
            self.samples.extend(reader.pixels(self._x, self._y))
            # What is watched is about time: one wrong frame lasts a few milliseconds, so a
            # reading every half millisecond catches it without taking a whole core.
            time.sleep(0.0005)
        reader.close()

    def stop(self):
        self._stop.set()
        self._thread.join()
        return self.samples
