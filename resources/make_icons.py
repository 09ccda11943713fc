#!/usr/bin/env python3
"""Draws the programs' 32 x 32, 16-colour icons and their hand cursor, and
writes them as .ico and .cur files.

Run from this folder: python3 make_icons.py. The .ico files are committed;
run this again after changing a drawing.
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
SIZE = 32


class Canvas:
    def __init__(self, size=SIZE):
        self.size = size
        self.px = [[None] * size for _ in range(size)]   # None: transparent

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(y0, 0), min(y1, self.size - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.size - 1) + 1):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c)
        self.rect(x0, y1, x1, y1, c)
        self.rect(x0, y0, x0, y1, c)
        self.rect(x1, y0, x1, y1, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.size):
            for x in range(self.size):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.px[y][x] = c

    def ring(self, cx, cy, r, width, c, gap=None):
        for y in range(self.size):
            for x in range(self.size):
                d = math.hypot(x - cx, y - cy)
                if r - width < d <= r:
                    angle = math.degrees(math.atan2(x - cx, cy - y))
                    if gap and abs(angle) < gap:
                        continue
                    self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0)) * 2 + 1
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            half = width // 2
            self.rect(round(x) - half, round(y) - half, round(x) - half + width - 1,
                      round(y) - half + width - 1, c)

    def ico(self):
        """The canvas as a one-image, 4-bit .ico file."""
        size = self.size
        mask_bits = (size + 31) // 32 * 32   # mask rows are padded to 32 bits
        xor = bytearray()
        mask = bytearray()
        for y in reversed(range(size)):
            row = self.px[y]
            for x in range(0, size, 2):
                a, b = row[x] or 0, row[x + 1] or 0
                xor.append((a << 4) | b)
            bits = 0
            for x in range(size):
                bits = (bits << 1) | (1 if row[x] is None else 0)
            mask += (bits << (mask_bits - size)).to_bytes(mask_bits // 8, 'big')
        palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
        header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0,
                             len(xor) + len(mask), 0, 0, 16, 0)
        image = header + palette + bytes(xor) + bytes(mask)
        directory = struct.pack('<HHH', 0, 1, 1) + struct.pack(
            '<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 6 + 16)
        return directory + image


    def cur(self, hot_x, hot_y):
        """The canvas as a one-image, black-and-white .cur file: black and
        white pixels are drawn, all others are transparent."""
        size = self.size
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


def monitor(screen):
    c = Canvas()
    c.rect(3, 3, 28, 22, SILVER)
    c.frame(3, 3, 28, 22, BLACK)
    c.rect(6, 6, 25, 19, screen)
    c.frame(5, 5, 26, 20, GREY)
    c.rect(12, 23, 19, 25, GREY)
    c.rect(8, 26, 23, 28, SILVER)
    c.frame(8, 26, 23, 28, BLACK)
    return c


def dovrane():
    c = monitor(TEAL)
    for i, (x, y) in enumerate([(8, 8), (14, 8), (8, 14), (14, 14)]):
        c.rect(x, y, x + 3, y + 3, [YELLOW, WHITE, LIME, AQUA][i])
    return c


def quorvel():
    c = monitor(NAVY)
    c.disc(20, 12, 6, SILVER)
    c.disc(20, 12, 2, NAVY)
    c.line(8, 9, 14, 9, WHITE)
    c.line(8, 12, 13, 12, WHITE)
    c.line(8, 15, 14, 15, WHITE)
    return c


def floppy():
    c = Canvas()
    c.rect(4, 3, 27, 28, NAVY)
    c.frame(4, 3, 27, 28, BLACK)
    c.rect(9, 3, 22, 11, SILVER)
    c.rect(17, 5, 20, 10, NAVY)
    c.rect(8, 16, 23, 28, WHITE)
    c.frame(8, 16, 23, 28, GREY)
    for y in (19, 22, 25):
        c.line(10, y, 21, y, BLUE)
    return c


def program():
    c = Canvas()
    c.rect(2, 5, 29, 27, WHITE)
    c.frame(2, 5, 29, 27, BLACK)
    c.rect(3, 6, 28, 9, NAVY)
    c.rect(25, 7, 27, 8, SILVER)
    c.rect(5, 12, 26, 25, SILVER)
    return c


def folder():
    c = Canvas()
    c.rect(2, 7, 12, 10, OLIVE)
    c.rect(2, 10, 29, 26, YELLOW)
    c.frame(2, 10, 29, 26, OLIVE)
    c.line(2, 7, 12, 7, OLIVE)
    c.rect(4, 13, 27, 13, WHITE)
    return c


def unload():
    c = Canvas()
    c.disc(16, 16, 14, TEAL)
    c.ring(16, 16, 14, 2, NAVY)
    # A key: the way out of the locked desktop.
    c.ring(11, 16, 6, 3, YELLOW)
    c.rect(16, 15, 27, 17, YELLOW)
    c.rect(22, 18, 23, 21, YELLOW)
    c.rect(26, 18, 27, 22, YELLOW)
    return c


def shutdown():
    c = Canvas()
    c.disc(16, 16, 14, MAROON)
    c.ring(16, 16, 14, 2, BLACK)
    c.ring(16, 17, 9, 3, WHITE, gap=35)
    c.rect(15, 5, 17, 16, WHITE)
    return c


def session():
    c = Canvas()
    c.disc(11, 10, 5, SILVER)
    c.disc(11, 25, 9, NAVY)
    c.disc(21, 12, 5, YELLOW)
    c.disc(21, 27, 9, GREEN)
    return c


def ok():
    c = Canvas()
    c.line(5, 17, 12, 24, GREEN, width=4)
    c.line(12, 24, 26, 8, GREEN, width=4)
    return c


def new_user():
    c = Canvas()
    c.disc(13, 10, 6, SILVER)
    c.disc(13, 27, 10, NAVY)
    c.rect(22, 4, 24, 16, GREEN)
    c.rect(17, 9, 29, 11, GREEN)
    return c


def delete():
    c = Canvas()
    c.line(6, 6, 25, 25, RED, width=5)
    c.line(25, 6, 6, 25, RED, width=5)
    return c


def cancel():
    c = Canvas()
    c.ring(16, 16, 12, 4, RED)
    c.line(8, 24, 24, 8, RED, width=4)
    return c


# A hand pointing up: "X" outline, "-" inside.
HAND = """
      XX
     X--X
     X--X
     X--X
     X--X
     X--XXX
     X--X--XXX
     X--X--X--XX
 XX  X--X--X--X-X
X--X X--------X--X
X---XX-----------X
 X---X-----------X
  X--------------X
  X-------------X
   X------------X
   X-----------X
    X----------X
    X---------X
     X--------X
     XXXXXXXXXX
"""


def hand():
    c = Canvas()
    for y, row in enumerate(HAND.strip('\n').split('\n')):
        for x, ch in enumerate(row):
            if ch != ' ':
                c.px[y + 1][x + 6] = BLACK if ch == 'X' else WHITE
    return c


ICONS = {
    'dovrane.ico': dovrane, 'quorvel.ico': quorvel, 'floppy.ico': floppy,
    'program.ico': program, 'folder.ico': folder, 'unload.ico': unload,
    'shutdown.ico': shutdown, 'session.ico': session, 'ok.ico': ok,
    'newuser.ico': new_user, 'delete.ico': delete, 'cancel.ico': cancel,
}

if __name__ == '__main__':
    for name, draw in ICONS.items():
        with open(name, 'wb') as f:
            f.write(draw().ico())
    with open('hand.cur', 'wb') as f:
        f.write(hand().cur(12, 1))   # the tip of the finger

