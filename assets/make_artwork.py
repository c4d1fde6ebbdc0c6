#!/usr/bin/env python3
"""Draws the game's artwork and writes it as PNG files.

Usage:
    python3 assets/make_artwork.py                 # (re)writes the PNGs beside this script
    python3 assets/make_artwork.py --out DIR       # writes them into DIR instead
    python3 assets/make_artwork.py --preview DIR   # also writes 8x enlargements into DIR

Standard library only: the PNG encoder is the few lines below (zlib + struct).
Every picture is drawn from code or from the pixel maps in this file, so the
output is the same byte for byte on every run.
"""

import argparse
import math
import os
import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)


def rgba(colour, alpha=255):
    return (colour[0], colour[1], colour[2], alpha)


class Image:
    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [list(fill) for _ in range(width * height)]

    def get(self, x, y):
        return tuple(self.pixels[y * self.width + x])

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            if len(colour) == 3:
                colour = rgba(colour)
            self.pixels[y * self.width + x] = list(colour)

    def blend(self, x, y, colour, coverage):
        """Paints colour over the pixel with the given coverage (0..1), source-over."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        coverage = min(coverage, 1.0)
        src_a = (colour[3] / 255.0 if len(colour) == 4 else 1.0) * coverage
        dst = self.pixels[y * self.width + x]
        dst_a = dst[3] / 255.0
        out_a = src_a + dst_a * (1 - src_a)
        if out_a <= 0:
            self.pixels[y * self.width + x] = [0, 0, 0, 0]
            return
        out = []
        for i in range(3):
            value = (colour[i] * src_a + dst[i] * dst_a * (1 - src_a)) / out_a
            out.append(int(round(value)))
        out.append(int(round(out_a * 255)))
        self.pixels[y * self.width + x] = out

    def scaled(self, factor, checker=True):
        """An enlargement for looking at; transparency shows as a checkerboard."""
        big = Image(self.width * factor, self.height * factor)
        for y in range(big.height):
            for x in range(big.width):
                r, g, b, a = self.get(x // factor, y // factor)
                if checker:
                    light = ((x // 4) + (y // 4)) % 2 == 0
                    back = 236 if light else 200
                    af = a / 255.0
                    r, g, b = (int(round(c * af + back * (1 - af))) for c in (r, g, b))
                    a = 255
                big.put(x, y, (r, g, b, a))
        return big

    def png_bytes(self):
        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        opaque = all(p[3] == 255 for p in self.pixels)
        colour_type = 2 if opaque else 6
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)  # filter: none
            for x in range(self.width):
                p = self.pixels[y * self.width + x]
                raw.extend(p[:3] if opaque else p)
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, colour_type, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.png_bytes())


def from_pixel_map(rows, palette):
    """An image from rows of characters, each character a key of palette."""
    image = Image(len(rows[0]), len(rows))
    for y, row in enumerate(rows):
        assert len(row) == image.width, "row %d has %d characters" % (y, len(row))
        for x, ch in enumerate(row):
            image.put(x, y, palette[ch])
    return image


def supersample(image, colour, inside, samples=4):
    """Paints colour over every pixel by the fraction of sample points for which inside(x, y) holds."""
    step = 1.0 / samples
    for py in range(image.height):
        for px in range(image.width):
            hits = 0
            for j in range(samples):
                for i in range(samples):
                    if inside(px + (i + 0.5) * step, py + (j + 0.5) * step):
                        hits += 1
            if hits:
                image.blend(px, py, colour, hits / float(samples * samples))


# ---------------------------------------------------------------------------
# Pencils, drawn on the diagonal pixel lattice so that their long edges are
# clean one-pixel staircases. For a pencil whose point is at pixel (tx, ty)
# and whose body runs up and to the right, s = (x - tx) - (y - ty) grows along
# the pencil (two per diagonal step) and t = (x - tx) + (y - ty) runs across it
# (negative on the upper left side).

def pencil_pixels(width, height, tip, length, half_width, cone):
    """Maps every pixel of a pencil shape to its (s, t, on_outline)."""
    tx, ty = tip

    def inside(x, y):
        s = (x - tx) - (y - ty)
        t = (x - tx) + (y - ty)
        if s < 0 or s > length:
            return False
        reach = half_width if s >= cone else max(half_width * s / float(cone), min(s, 1))
        return abs(t) <= reach + 0.25

    result = {}
    for y in range(height):
        for x in range(width):
            if inside(x, y):
                edge = any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                result[(x, y)] = ((x - tx) - (y - ty), (x - tx) + (y - ty), edge)
    return result


# ---------------------------------------------------------------------------
# The window icon: a grid of thin black lines on white, a yellow pencil across.

ICON_OUTLINE = (58, 40, 16)
ICON_GRAPHITE = (40, 40, 48)
ICON_WOOD = (238, 196, 140)
ICON_WOOD_SHADE = (214, 166, 108)
ICON_YELLOW_LIGHT = (255, 236, 120)
ICON_YELLOW = (252, 204, 20)
ICON_YELLOW_DARK = (222, 150, 0)
ICON_METAL_LIGHT = (226, 226, 232)
ICON_METAL = (170, 172, 182)
ICON_ERASER = (240, 128, 140)
ICON_ERASER_DARK = (208, 92, 108)


def make_icon():
    icon = Image(32, 32, rgba((255, 255, 255)))
    grid = (0, 6, 12, 19, 25, 31)
    for g in grid:
        for i in range(32):
            icon.put(g, i, (0, 0, 0))
            icon.put(i, g, (0, 0, 0))

    length, half_width, cone = 50, 5, 14
    for (x, y), (s, t, edge) in pencil_pixels(32, 32, (3, 28), length, half_width, cone).items():
        if s <= 6:
            colour = ICON_GRAPHITE
        elif edge or s == length:
            colour = ICON_OUTLINE
        elif s < cone:
            colour = ICON_WOOD if t <= 0 else ICON_WOOD_SHADE
        elif s == cone:
            colour = ICON_OUTLINE
        elif s < 40:
            colour = ICON_YELLOW_LIGHT if t <= -2 else (ICON_YELLOW if t <= 1 else ICON_YELLOW_DARK)
        elif s == 40 or s == 45:
            colour = ICON_OUTLINE
        elif s < 45:
            colour = ICON_METAL_LIGHT if t <= 0 else ICON_METAL
        else:
            colour = ICON_ERASER if t <= 1 else ICON_ERASER_DARK
        icon.put(x, y, colour)
    return icon


# ---------------------------------------------------------------------------
# The desktop icon in the sizes desktop menus ask for: the window icon's
# design, drawn at each size from its shapes in the window icon's 32-unit
# square (no smaller picture is scaled up), each pixel averaged over 4 by 4
# samples. Lines keep at least one pixel and grow more slowly than the square.

DESKTOP_ICON_SIZES = (48, 128, 256)


def icon_colour_at(x, y, line):
    """The window icon's colour at a point of its square; line is the width of its lines, in units."""
    length, half_width, cone = 50, 5, 14
    s = (x - 3.5) - (y - 28.5)   # along the pencil from its tip at pixel (3, 28), as make_icon has it
    t = (x - 3.5) + (y - 28.5) - 1
    reach = half_width if s >= cone else max(half_width * s / float(cone), min(s, 1))
    if 0 <= s <= length + 0.5 and abs(t) <= reach + 0.25:
        edge = reach + 0.25 - abs(t) < line or s > length + 0.5 - line
        if s <= 6.5:
            return ICON_GRAPHITE
        if edge or any(abs(s - mark) < line / 2 for mark in (cone, 40, 45)):
            return ICON_OUTLINE
        if s < cone:
            return ICON_WOOD if t <= 0 else ICON_WOOD_SHADE
        if s < 40:
            return ICON_YELLOW_LIGHT if t <= -2 else (ICON_YELLOW if t <= 1 else ICON_YELLOW_DARK)
        if s < 45:
            return ICON_METAL_LIGHT if t <= 0 else ICON_METAL
        return ICON_ERASER if t <= 1 else ICON_ERASER_DARK
    if any(abs(x - g - 0.5) < line / 2 or abs(y - g - 0.5) < line / 2 for g in (0, 6, 12, 19, 25, 31)):
        return (0, 0, 0)
    return (255, 255, 255)


def make_desktop_icon(size, samples=4):
    unit = size / 32.0                    # pixels per unit of the window icon
    line = max(1.0 / unit, 0.6)           # one pixel at least
    icon = Image(size, size)
    for py in range(size):
        for px in range(size):
            total = [0, 0, 0]
            for j in range(samples):
                for i in range(samples):
                    colour = icon_colour_at((px + (i + 0.5) / samples) / unit, (py + (j + 0.5) / samples) / unit, line)
                    for k in range(3):
                        total[k] += colour[k]
            icon.put(px, py, tuple(int(round(c / float(samples * samples))) for c in total))
    return icon


# ---------------------------------------------------------------------------
# The field's mouse cursor: a black-and-white pencil pointing down to the left.

PENCIL_HOT_SPOT = (11, 20)


def draw_line(image, start, end, colour):
    """A one-pixel line from start to end, both included."""
    (x0, y0), (x1, y1) = start, end
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        f = i / float(steps) if steps else 0.0
        image.put(int(math.floor(x0 + (x1 - x0) * f + 0.5)), int(math.floor(y0 + (y1 - y0) * f + 0.5)), colour)


def in_triangle(point, a, b, c):
    def cross(p, q, r):
        return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0])
    d = (cross(a, b, point), cross(b, c, point), cross(c, a, point))
    return not (min(d) < 0 and max(d) > 0)


def make_pencil_cursor():
    black, white = rgba((0, 0, 0)), rgba((255, 255, 255))
    cursor = Image(32, 32)
    tx, ty = PENCIL_HOT_SPOT
    axis = tx + ty            # the pencil's middle line is x + y = axis
    half = 4                  # its edges are x + y = axis -+ half
    base = tx - ty + 10       # where the sharpened cone meets the body (x - y = base)
    end = base + 26           # the end of the pencil
    bands = (end - 8, end - 6)  # the metal band holding the eraser
    for y in range(32):
        for x in range(32):
            across, along = x + y - axis, x - y
            if abs(across) <= half and base <= along <= end:
                edge = abs(across) == half or along in (base, end) + bands
                stripe = across == 0 and along < bands[0]
                cursor.put(x, y, black if edge or stripe else white)
    # The sharpened cone, its wood white and its graphite point black.
    left = ((base + axis - half) // 2, (axis - half - base) // 2)
    right = ((base + axis + half) // 2, (axis + half - base) // 2)
    for y in range(32):
        for x in range(32):
            if cursor.get(x, y)[3] == 0 and in_triangle((x, y), left, right, (tx, ty)):
                cursor.put(x, y, black if x - y <= tx - ty + 4 else white)
    draw_line(cursor, left, (tx, ty), black)
    draw_line(cursor, right, (tx, ty), black)
    return cursor


# ---------------------------------------------------------------------------
# The board's mouse cursor: a white hand in a black outline, index finger
# pointing left. '#' black, '.' white, ' ' transparent.

HAND_HOT_SPOT = (7, 13)

HAND_MAP = [
    "                                ",  # 0
    "                                ",  # 1
    "                                ",  # 2
    "                                ",  # 3
    "                                ",  # 4
    "                                ",  # 5
    "                                ",  # 6
    "                                ",  # 7
    "                ########        ",  # 8
    "              ##........#       ",  # 9
    "             #......#....###### ",  # 10
    "         ########....#...#....# ",  # 11
    "        #.................#...# ",  # 12
    "       #..................#...# ",  # 13
    "        #.................#...# ",  # 14
    "         #########........#...# ",  # 15
    "          #.......#.......#...# ",  # 16
    "          #...............#...# ",  # 17
    "           #######........#...# ",  # 18
    "           #......#.......#...# ",  # 19
    "           #..............#...# ",  # 20
    "            ######.......#....# ",  # 21
    "            #.....#......###### ",  # 22
    "            #.............#     ",  # 23
    "             ############       ",  # 24
    "                                ",  # 25
    "                                ",  # 26
    "                                ",  # 27
    "                                ",  # 28
    "                                ",  # 29
    "                                ",  # 30
    "                                ",  # 31
]


def make_hand_cursor():
    return from_pixel_map(HAND_MAP, {"#": rgba((0, 0, 0)), ".": rgba((255, 255, 255)), " ": TRANSPARENT})


# ---------------------------------------------------------------------------
# The cursors for 2x screens: each pixel becomes four by Scale2x, which puts a
# corner of a new colour only where two neighbours of that colour meet there,
# so staircases become half-size steps instead of doubled blocks and nothing
# grows beyond the picture's own edges.

def scale2x(image):
    big = Image(image.width * 2, image.height * 2)

    def at(x, y):
        return image.get(min(max(x, 0), image.width - 1), min(max(y, 0), image.height - 1))

    for y in range(image.height):
        for x in range(image.width):
            e = image.get(x, y)
            b, d, f, h = at(x, y - 1), at(x - 1, y), at(x + 1, y), at(x, y + 1)
            corners = [e, e, e, e]
            if b != h and d != f:
                corners = [d if d == b else e, f if b == f else e, d if d == h else e, f if h == f else e]
            for i, colour in enumerate(corners):
                big.put(2 * x + i % 2, 2 * y + i // 2, colour)
    return big


def make_cursor_2x(cursor, hot_spot):
    """Scale2x, with the hot spot's four pixels kept as the tip's own colour."""
    big = scale2x(cursor)
    for dy in (0, 1):
        for dx in (0, 1):
            big.put(2 * hot_spot[0] + dx, 2 * hot_spot[1] + dy, cursor.get(*hot_spot))
    return big


# ---------------------------------------------------------------------------
# The two mouse-button indicators: a computer mouse seen from above.

MOUSE_OUTLINE = (56, 56, 64)
MOUSE_BODY = (204, 206, 212)
MOUSE_BUTTON = (226, 228, 234)
MOUSE_MARK = (64, 64, 76)
MOUSE_CABLE = (56, 56, 64)


def make_mouse(marked):
    width, height = 37, 36
    image = Image(width, height)
    cx, top, bottom, half = 18.5, 8.0, 35.0, 12.5
    split = 18.5  # the seam below the buttons, pixel row 18

    def body(x, y, grow=0.0):
        # A superellipse, a little narrower towards the buttons.
        cy = (top + bottom) / 2.0
        hy = (bottom - top) / 2.0 + grow
        ny = (y - cy) / hy
        hx = half + grow - (1.2 if ny < 0 else 0.0) * (-ny)
        nx = (x - cx) / hx
        return abs(nx) ** 2.6 + abs(ny) ** 2.6 <= 1.0

    # The cable: a gentle S from the top of the mouse to the top edge.
    def cable(x, y):
        if y > top + 0.5:
            return False
        u = y / (top + 0.5)
        centre = cx + 3.0 * math.sin((1 - u) * math.pi) * (1 - u)
        return abs(x - centre) <= 0.9

    supersample(image, rgba(MOUSE_CABLE), cable)
    supersample(image, rgba(MOUSE_OUTLINE), lambda x, y: body(x, y, 0.0))
    supersample(image, rgba(MOUSE_BODY), lambda x, y: body(x, y, -1.3))

    def button(side):
        def inside(x, y):
            if not body(x, y, -1.3) or y > split:
                return False
            return (x < cx) if side == 0 else (x > cx)
        return inside

    for side in (0, 1):
        colour = MOUSE_MARK if side == marked else MOUSE_BUTTON
        supersample(image, rgba(colour), button(side))

    # The seams: between the two buttons, and below them.
    supersample(image, rgba(MOUSE_OUTLINE),
                lambda x, y: body(x, y, -0.5) and ((abs(x - cx) <= 0.5 and y <= split) or abs(y - split) <= 0.5))
    return image


# ---------------------------------------------------------------------------
# The colour chooser's background: swatch 0 ("nothing") shows a light hatch.

CHOOSER_WIDTH = 25
HATCH_GROUND = (232, 232, 232)   # also the colour of an empty cell on the field
HATCH_LINE = (196, 196, 202)


def make_hamworst():
    """Every square gets the hatch in a thin frame; the painted swatches cover all but the top one."""
    side = CHOOSER_WIDTH
    image = Image(side, 9 * side)
    for y in range(image.height):
        for x in range(image.width):
            frame = x in (0, side - 1) or y % side in (0, side - 1)
            image.put(x, y, HATCH_LINE if frame or (x + y) % 6 == 4 else HATCH_GROUND)
    return image


# ---------------------------------------------------------------------------
# Legend pictures of the solution window: a dot with a one-pixel grey rim,
# as the game itself marks wrong (orange) and unpainted (light grey) cells.

RIM = (128, 128, 128)
ERROR_DOT = (255, 128, 64)
MISSING_DOT = (192, 192, 192)


def make_dot(width, height, inner, diameter=10, scale=1):
    """The dot in a width x height picture, drawn at scale times the pixels each
    way: the same circle, its rim one pixel wide at every scale."""
    image = Image(width * scale, height * scale)
    cx, cy = width / 2.0, height / 2.0
    r2 = (diameter / 2.0) ** 2 + 0.5

    def inside(x, y):
        return ((x + 0.5) / scale - cx) ** 2 + ((y + 0.5) / scale - cy) ** 2 <= r2

    for y in range(image.height):
        for x in range(image.width):
            if inside(x, y):
                rim = any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                image.put(x, y, RIM if rim else inner)
    return image


# ---------------------------------------------------------------------------

def artwork():
    return {
        "icon.png": make_icon(),
        "pencil.png": make_pencil_cursor(),
        "hand.png": make_hand_cursor(),
        "pencil@2x.png": make_cursor_2x(make_pencil_cursor(), PENCIL_HOT_SPOT),
        "hand@2x.png": make_cursor_2x(make_hand_cursor(), HAND_HOT_SPOT),
        "icon_64.png": make_desktop_icon(64),
        "mouse1.png": make_mouse(0),
        "mouse2.png": make_mouse(1),
        "hamworst.png": make_hamworst(),
        "legend_error.png": make_dot(16, 18, ERROR_DOT),
        "legend_missing.png": make_dot(17, 18, MISSING_DOT),
        "legend_error@2x.png": make_dot(16, 18, ERROR_DOT, scale=2),
        "legend_missing@2x.png": make_dot(17, 18, MISSING_DOT, scale=2),
        **{"icon_%d.png" % size: make_desktop_icon(size) for size in DESKTOP_ICON_SIZES},
    }


def check(pictures):
    """The sizes and pixels that the game relies on."""
    sizes = {"icon.png": (32, 32), "pencil.png": (32, 32), "hand.png": (32, 32), "icon_64.png": (64, 64),
             "pencil@2x.png": (64, 64), "hand@2x.png": (64, 64),
             "mouse1.png": (37, 36), "mouse2.png": (37, 36), "hamworst.png": (25, 225),
             "legend_error.png": (16, 18), "legend_missing.png": (17, 18),
             "legend_error@2x.png": (32, 36), "legend_missing@2x.png": (34, 36),
             **{"icon_%d.png" % size: (size, size) for size in DESKTOP_ICON_SIZES}}
    for name, size in sizes.items():
        assert (pictures[name].width, pictures[name].height) == size, name

    # The hot spots are the tips: opaque, and nothing opaque further out; on
    # the 2x cursors at twice the hot spot, whose pixel is its top-left corner.
    for name, scale in (("pencil.png", 1), ("pencil@2x.png", 2)):
        pencil, (hx, hy) = pictures[name], (PENCIL_HOT_SPOT[0] * scale, PENCIL_HOT_SPOT[1] * scale)
        assert pencil.get(hx, hy)[3] == 255
        for y in range(pencil.height):
            for x in range(pencil.width):
                if pencil.get(x, y)[3]:
                    assert x >= hx and y <= hy + scale - 1, (name, x, y)
    for name, scale in (("hand.png", 1), ("hand@2x.png", 2)):
        hand, (hx, hy) = pictures[name], (HAND_HOT_SPOT[0] * scale, HAND_HOT_SPOT[1] * scale)
        assert hand.get(hx, hy) == (0, 0, 0, 255)
        for y in range(hand.height):
            for x in range(hx):
                assert hand.get(x, y)[3] == 0, (name, x, y)

    # An empty cell takes the colour of the chooser's pixel (1, 1): light, and
    # none of the colours that the field and its marks are drawn with.
    r, g, b, a = pictures["hamworst.png"].get(1, 1)
    assert a == 255 and min(r, g, b) >= 224
    reserved = {(0, 0, 0), (255, 0, 0), (0, 0, 255), (255, 255, 0), (0, 255, 0), (255, 0, 255),
                (0, 255, 255), (128, 128, 128), (64, 64, 64), (32, 32, 32), (192, 192, 192),
                (255, 128, 64), (224, 224, 224)}
    assert (r, g, b) not in reserved

    # The legends hold the marks' exact colours, the inner one in the middle.
    for name, inner in (("legend_error", ERROR_DOT), ("legend_missing", MISSING_DOT)):
        for name in (name + ".png", name + "@2x.png"):
            picture = pictures[name]
            colours = {picture.get(x, y) for y in range(picture.height) for x in range(picture.width)}
            assert colours == {TRANSPARENT, rgba(RIM), rgba(inner)}, name
            assert picture.get(picture.width // 2, picture.height // 2) == rgba(inner), name


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description="Draws the game's artwork as PNG files.")
    parser.add_argument("--out", default=here, help="folder for the PNG files (default: beside this script)")
    parser.add_argument("--preview", help="folder for 8x enlargements to look at")
    args = parser.parse_args()

    pictures = artwork()
    check(pictures)
    os.makedirs(args.out, exist_ok=True)
    for name, picture in pictures.items():
        picture.save(os.path.join(args.out, name))
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for name, picture in pictures.items():
            picture.scaled(8).save(os.path.join(args.preview, name))


if __name__ == "__main__":
    main()
