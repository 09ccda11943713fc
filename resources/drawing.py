"""What the picture scripts of this folder share: a canvas to draw on, and
the writers of its .ico and .bmp files.

A canvas holds one value a pixel: an index of the 16-colour palette for
icons (None is transparent), or an (r, g, b) triple for bitmaps.
"""
import math
import struct

# The standard 16-colour palette, as Windows 95 icons use it.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


class Canvas:
    def __init__(self, width=32, height=None, fill=None):
        self.width, self.height = width, height or width
        self.px = [[fill] * self.width for _ in range(self.height)]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(y0, 0), min(y1, self.height - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.width - 1) + 1):
                self.px[y][x] = c
        return self

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c).rect(x0, y1, x1, y1, c)
        return self.rect(x0, y0, x0, y1, c).rect(x1, y0, x1, y1, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.px[y][x] = c
        return self

    def ring(self, cx, cy, r, width, c, gap=None):
        """A ring of the given width; gap leaves out that many degrees either
        side of the top."""
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x - cx, y - cy)
                if r - width < d <= r:
                    angle = math.degrees(math.atan2(x - cx, cy - y))
                    if gap and abs(angle) < gap:
                        continue
                    self.px[y][x] = c
        return self

    def line(self, x0, y0, x1, y1, c, width=1):
        """A line drawn with a square pen, sampled twice a pixel."""
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 2 + 1
        half = width // 2
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps) - half
            y = round(y0 + (y1 - y0) * i / steps) - half
            self.rect(x, y, x + width - 1, y + width - 1, c)
        return self

    def thin_line(self, x0, y0, x1, y1, c):
        """A one-pixel line, one point a step along its longer side."""
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.px[round(y0 + (y1 - y0) * i / n)][round(x0 + (x1 - x0) * i / n)] = c
        return self

    def ico(self):
        """A one-image, 4-bit .ico file of the palette's colours."""
        w, h = self.width, self.height
        mask_bits = (w + 31) // 32 * 32   # mask rows are padded to 32 bits
        xor = bytearray()
        mask = bytearray()
        for row in reversed(self.px):
            for x in range(0, w, 2):
                xor.append(((row[x] or 0) << 4) | (row[x + 1] or 0))
            bits = 0
            for c in row:
                bits = (bits << 1) | (1 if c is None else 0)
            mask += (bits << (mask_bits - w)).to_bytes(mask_bits // 8, 'big')
        header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
        image = header + _colour_table(PALETTE) + bytes(xor) + bytes(mask)
        directory = struct.pack('<HHH', 0, 1, 1) + struct.pack(
            '<BBBBHHII', w, h, 16, 0, 1, 4, len(image), 6 + 16)
        return directory + image

    def cur(self, hot_x, hot_y):
        """The canvas as a one-image, black-and-white .cur file: black and
        white pixels are drawn, all others are transparent."""
        size = self.width
        xor = bytearray()
        mask = bytearray()
        for y in reversed(range(size)):
            white = drawn = 0
            for x in range(size):
                c = self.px[y][x]
                white = (white << 1) | (1 if c == WHITE else 0)
                drawn = (drawn << 1) | (0 if c in (BLACK, WHITE) else 1)
            xor += white.to_bytes(size // 8, 'big')
            mask += drawn.to_bytes(size // 8, 'big')
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 1, 0,
                             len(xor) + len(mask), 0, 0, 2, 0)
        image = header + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(mask)
        directory = struct.pack('<HHH', 0, 2, 1) + struct.pack(
            '<BBBBHHII', size, size, 2, 0, hot_x, hot_y, len(image), 6 + 16)
        return directory + image

    def bmp24(self):
        """A 24-bit .bmp file of (r, g, b) pixels."""
        data = bytearray()
        for row in reversed(self.px):
            data += _padded(b''.join(bytes((b, g, r)) for r, g, b in row))
        return _bmp(self.width, self.height, 24, b'', 0, data)

    def bmp8(self):
        """An 8-bit .bmp file of (r, g, b) pixels, with a palette of the
        colours that the picture uses."""
        palette = sorted({c for row in self.px for c in row})
        assert len(palette) <= 256, len(palette)
        index = {c: i for i, c in enumerate(palette)}
        data = bytearray()
        for row in reversed(self.px):
            data += _padded(bytes(index[c] for c in row))
        return _bmp(self.width, self.height, 8, _colour_table(palette), len(palette), data)


def _colour_table(colours):
    return b''.join(bytes((b, g, r, 0)) for r, g, b in colours)


def _padded(row):
    """A bitmap row, padded to four bytes."""
    return row + bytes(-len(row) % 4)


def _bmp(width, height, bits, colours, used, data):
    offset = 54 + len(colours)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, len(data), 2835, 2835, used, 0)
    return header + info + colours + bytes(data)


def write(pictures, kind='ico'):
    """Writes each drawing of {file name: function} in the given format."""
    for name, draw in pictures.items():
        with open(name, 'wb') as f:
            f.write(getattr(draw(), kind)())
