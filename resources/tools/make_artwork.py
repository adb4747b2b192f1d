#!/usr/bin/env python3
"""Writes Globulon's artwork: the program icon, the link-hand cursor and the About picture.

    python3 resources/tools/make_artwork.py

run from anywhere; it overwrites resources/globulon.ico, resources/hand.cur and
resources/globulon.bmp next to this tools folder. The files are checked in, so the build never
needs Python; this script is only here so the pictures can be redrawn and reviewed as code.

Everything is plain Python 3 and struct: the icon and cursor formats are simple enough that an
image library would only hide what ends up in the bytes. The output depends on nothing but this
file, so running it twice gives identical files.
"""

import math
import os
import struct

RESOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------------------------

# The standard Windows 16-colour palette, in the order Windows itself uses for 4-bit icons, as
# (red, green, blue). A 16-colour icon looks the same on every display with this table.
PALETTE16 = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 dark red
    (0x00, 0x80, 0x00),  # 2 dark green
    (0x80, 0x80, 0x00),  # 3 dark yellow
    (0x00, 0x00, 0x80),  # 4 dark blue
    (0x80, 0x00, 0x80),  # 5 dark magenta
    (0x00, 0x80, 0x80),  # 6 dark cyan
    (0xC0, 0xC0, 0xC0),  # 7 light grey
    (0x80, 0x80, 0x80),  # 8 dark grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 green
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 cyan
    (0xFF, 0xFF, 0xFF),  # 15 white
]
BLACK, DARK_CYAN, YELLOW, CYAN = 0, 6, 11, 14

# ---------------------------------------------------------------------------------------------
# The emblem: a black disc, its rim, rim points joined by every chord, a dot on each point
# ---------------------------------------------------------------------------------------------

# How many rim points the pictures show. The screen saver itself turns 13, but at icon size the
# 78 chords of 13 points fill every pixel of the disc and the picture turns into a cyan blot.
# Seven points (21 chords) is the most that still leaves black between the chords, so the
# pictures read as what the screen shows: a dark disc laced with straight chords.
ICON_POINTS = 7


def rim_points(centre, radius, count):
    """The rim points, the first straight up and the rest clockwise.

    Each offset is rounded on its own, so a point and its mirror image across the vertical axis
    land on mirrored pixels and the whole emblem stays symmetric.
    """
    points = []
    for k in range(count):
        angle = 2.0 * math.pi * k / count
        points.append((centre + round(radius * math.sin(angle)),
                       centre - round(radius * math.cos(angle))))
    return points


def line_pixels(a, b):
    """The pixels of Bresenham's line from a to b, both ends included."""
    (x0, y0), (x1, y1) = a, b
    dx, dy = abs(x1 - x0), -abs(y1 - y0)
    sx = 1 if x0 < x1 else -1
    sy = 1 if y0 < y1 else -1
    error = dx + dy
    while True:
        yield x0, y0
        if (x0, y0) == (x1, y1):
            return
        double = 2 * error
        if double >= dy:
            error += dy
            x0 += sx
        if double <= dx:
            error += dx
            y0 += sy


def chord_pixels(a, b, width):
    """A chord's pixels, drawn together with its mirror image.

    Bresenham breaks ties depending on the direction a line is drawn in, so a chord and its
    mirror partner would not come out as exact mirror images. Drawing every chord both ways
    round (left to right, and mirrored) keeps the emblem symmetric.
    """
    def mirror(p):
        return width - 1 - p[0], p[1]

    a, b = sorted((a, b))
    ma, mb = sorted((mirror(a), mirror(b)))
    return set(line_pixels(a, b)) | set(line_pixels(ma, mb))


def emblem_indices(size, point_radius, big_dots, chord_colours):
    """The emblem in palette indices, rows top first; None marks a see-through pixel.

    The disc is one pixel narrower than the image so that its centre falls on a pixel and
    lines through it stay straight and symmetric; the last row and column stay see-through.
    chord_colours maps how many rim steps apart a chord's ends are to its palette colour;
    chords of a step not in it are left out. The rim is bright cyan and the dots yellow so
    they stand out on it; big_dots makes them a small cross instead of a single pixel.
    """
    diameter = size - 1
    centre = diameter // 2
    rows = [[None] * size for _ in range(size)]
    for y in range(diameter):
        for x in range(diameter):
            distance = math.hypot(x - centre, y - centre)
            if distance <= centre + 0.5:
                rows[y][x] = CYAN if distance >= centre - 0.5 else BLACK

    points = rim_points(centre, point_radius, ICON_POINTS)
    # Dark chords first, so where one crosses a bright chord the bright cyan wins.
    chords = []
    for i in range(ICON_POINTS):
        for j in range(i + 1, ICON_POINTS):
            colour = chord_colours.get(min(j - i, ICON_POINTS - (j - i)))
            if colour is not None:
                chords.append((colour == CYAN, colour, points[i], points[j]))
    for _, colour, a, b in sorted(chords):
        for x, y in chord_pixels(a, b, diameter):
            if rows[y][x] in (BLACK, DARK_CYAN):
                rows[y][x] = colour

    dot = [(0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)] if big_dots else [(0, 0)]
    for px, py in points:
        for dx, dy in dot:
            if rows[py + dy][px + dx] is not None:
                rows[py + dy][px + dx] = YELLOW
    return rows


def emblem_rgb(size, background, samples=8):
    """The emblem in true colour, anti-aliased: each pixel is the average of samples x samples
    points inside it, every point taking the colour of the topmost thing covering it."""
    centre = size / 2.0
    radius = centre - 0.5
    rim_width = 1.0
    half_chord = 0.4
    dot_radius = 1.3
    on_rim = radius - rim_width / 2.0
    points = [(centre + on_rim * math.sin(2.0 * math.pi * k / ICON_POINTS),
               centre - on_rim * math.cos(2.0 * math.pi * k / ICON_POINTS))
              for k in range(ICON_POINTS)]
    chords = [(points[i], points[j], min(j - i, ICON_POINTS - (j - i)) > 1)
              for i in range(ICON_POINTS) for j in range(i + 1, ICON_POINTS)]

    def colour_at(x, y):
        distance = math.hypot(x - centre, y - centre)
        if distance > radius:
            return background
        if any(math.hypot(x - px, y - py) <= dot_radius for px, py in points):
            return PALETTE16[YELLOW]
        if distance >= radius - rim_width:
            return PALETTE16[CYAN]
        near = [is_long for a, b, is_long in chords
                if distance_to_segment(x, y, a, b) <= half_chord]
        if any(near):
            return PALETTE16[CYAN]
        if near:
            return PALETTE16[DARK_CYAN]
        return PALETTE16[BLACK]

    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            total = [0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    colour = colour_at(i + (sx + 0.5) / samples, j + (sy + 0.5) / samples)
                    for channel in range(3):
                        total[channel] += colour[channel]
            row.append(tuple((t + samples * samples // 2) // (samples * samples)
                             for t in total))
        rows.append(row)
    return rows


def distance_to_segment(x, y, a, b):
    """How far the point (x, y) is from the segment a-b."""
    ax, ay = a
    bx, by = b
    vx, vy = bx - ax, by - ay
    t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
    t = max(0.0, min(1.0, t))
    return math.hypot(x - (ax + t * vx), y - (ay + t * vy))


# ---------------------------------------------------------------------------------------------
# The link hand, drawn pixel by pixel: '#' black outline, 'o' white fill, '.' see-through
# ---------------------------------------------------------------------------------------------

# The tip of the index finger is pixel (12, 1), the cursor's hot spot, so a click lands where
# the finger points.
HAND_HOT_SPOT = (12, 1)
HAND = [
    "................................",  # 0
    "...........###..................",  # 1
    "..........#ooo#.................",  # 2
    "..........#ooo#.................",  # 3
    "..........#ooo#.................",  # 4
    "..........#ooo#.................",  # 5
    "..........#ooo#.................",  # 6
    "..........#ooo#.................",  # 7
    "..........#ooo#.................",  # 8
    "..........#ooo####..............",  # 9
    "..........#ooo#ooo###...........",  # 10
    "..........#ooo#ooo#ooo#.........",  # 11
    "..........#ooo#ooo#ooo###.......",  # 12
    "..........#ooo#ooo#ooo#ooo#.....",  # 13
    "....##....#ooo#ooo#ooo#ooo#.....",  # 14
    "...#oo#...#ooo#ooo#ooo#ooo#.....",  # 15
    "...#ooo#..#ooooooooooooooo#.....",  # 16
    "....#ooo#.#ooooooooooooooo#.....",  # 17
    "....#oooo##ooooooooooooooo#.....",  # 18
    ".....#oooooooooooooooooooo#.....",  # 19
    ".....#oooooooooooooooooooo#.....",  # 20
    "......#ooooooooooooooooooo#.....",  # 21
    "......#oooooooooooooooooo#......",  # 22
    ".......#ooooooooooooooooo#......",  # 23
    ".......#oooooooooooooooo#.......",  # 24
    "........#ooooooooooooooo#.......",  # 25
    "........#ooooooooooooooo#.......",  # 26
    "........#################.......",  # 27
    "................................",  # 28
    "................................",  # 29
    "................................",  # 30
    "................................",  # 31
]

# ---------------------------------------------------------------------------------------------
# File formats. Windows bitmaps store rows bottom first, each padded to a multiple of 4 bytes.
# ---------------------------------------------------------------------------------------------


def pad_row(data):
    """data with zero bytes added up to the next multiple of 4."""
    return data + b"\0" * (-len(data) % 4)


def pack_bits(values, bits):
    """Packs small integers into bytes, most significant bits first, and pads the row."""
    out = bytearray()
    per_byte = 8 // bits
    for start in range(0, len(values), per_byte):
        byte = 0
        group = values[start:start + per_byte]
        for k in range(per_byte):
            byte = (byte << bits) | (group[k] if k < len(group) else 0)
        out.append(byte)
    return pad_row(bytes(out))


def info_header(width, height, bits, image_size, colours):
    """A BITMAPINFOHEADER. Icons and cursors give the height of colour and mask together."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       0, 0, colours, 0)


def palette_bytes(colours):
    """A colour table: one RGBQUAD (blue, green, red, 0) per (red, green, blue) colour."""
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def icon_image(colour_rows, colour_bits, palette):
    """One icon or cursor image: header, palette, colour (XOR) bitmap and AND mask.

    colour_rows holds palette indices top row first, None where the picture is see-through.
    See-through pixels get AND 1 and colour 0, so the screen shows through unchanged.
    """
    height = len(colour_rows)
    width = len(colour_rows[0])
    xor = b"".join(pack_bits([0 if v is None else v for v in row], colour_bits)
                   for row in reversed(colour_rows))
    mask = b"".join(pack_bits([1 if v is None else 0 for v in row], 1)
                    for row in reversed(colour_rows))
    header = info_header(width, height * 2, colour_bits, len(xor) + len(mask), len(palette))
    return header + palette_bytes(palette) + xor + mask


def icon_file(kind, images):
    """An .ico (kind 1) or .cur (kind 2) file.

    images is a list of (width, height, colour_count, field_a, field_b, data). For an icon the
    two fields are planes and bits per pixel; for a cursor they are the hot spot x and y.
    """
    directory = struct.pack("<HHH", 0, kind, len(images))
    offset = len(directory) + 16 * len(images)
    entries, bodies = b"", b""
    for width, height, colour_count, field_a, field_b, data in images:
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, colour_count, 0,
                               field_a, field_b, len(data), offset)
        bodies += data
        offset += len(data)
    return directory + entries + bodies


def bmp_file(rgb_rows):
    """A 24-bit .bmp file, pixels stored blue, green, red."""
    height = len(rgb_rows)
    width = len(rgb_rows[0])
    pixels = b"".join(pad_row(b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row))
                      for row in reversed(rgb_rows))
    # 2835 pixels per metre is 72 dots per inch, what paint programs write by default.
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                         2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    return file_header + header + pixels


# ---------------------------------------------------------------------------------------------
# The three files
# ---------------------------------------------------------------------------------------------


def make_icon():
    # Chords by how many rim steps apart their ends are: neighbours (1) run close along the rim,
    # so they are dark cyan; the longer chords (2 and 3) are bright. In the 16x16 image the
    # middle chords would fill in the star completely, so only the longest ones are drawn.
    large = emblem_indices(32, point_radius=14, big_dots=True,
                           chord_colours={1: DARK_CYAN, 2: CYAN, 3: CYAN})
    small = emblem_indices(16, point_radius=6, big_dots=False,
                           chord_colours={1: DARK_CYAN, 3: CYAN})
    images = [
        (32, 32, 16, 1, 4, icon_image(large, 4, PALETTE16)),
        (16, 16, 16, 1, 4, icon_image(small, 4, PALETTE16)),
    ]
    return icon_file(1, images)


def make_cursor():
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    assert HAND[HAND_HOT_SPOT[1]][HAND_HOT_SPOT[0]] == "#"
    # Monochrome: index 0 black, index 1 white; '.' is see-through.
    rows = [[{"#": 0, "o": 1, ".": None}[ch] for ch in row] for row in HAND]
    data = icon_image(rows, 1, [(0, 0, 0), (255, 255, 255)])
    return icon_file(2, [(32, 32, 0, HAND_HOT_SPOT[0], HAND_HOT_SPOT[1], data)])


def make_picture():
    # Dark blue around the disc, so the black disc stands apart from the About box's grey.
    return bmp_file(emblem_rgb(32, background=(0x00, 0x00, 0x60)))


def main():
    for name, make in (("globulon.ico", make_icon), ("hand.cur", make_cursor),
                       ("globulon.bmp", make_picture)):
        path = os.path.join(RESOURCES, name)
        with open(path, "wb") as f:
            f.write(make())
        print("wrote", path)


if __name__ == "__main__":
    main()
