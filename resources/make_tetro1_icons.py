#!/usr/bin/env python3
"""Draws the falling-blocks game's window icon (32 x 32) and the 16 x 16
glyphs of its four move buttons.

Run from this folder: python3 make_tetro1_icons.py. The .ico files are
committed; run this again after changing a drawing.
"""
from drawing import AQUA, BLACK, FUCHSIA, GREY, LIME, NAVY, RED, WHITE, YELLOW, Canvas, write

GLYPH = 16
INK = NAVY


def block(c, x, y, colour, side=6):
    """One cell of the well, with the game's own bevel."""
    c.rect(x, y, x + side - 1, y + side - 1, colour)
    c.rect(x, y, x, y + side - 1, GREY)
    c.rect(x, y + side - 1, x + side - 1, y + side - 1, GREY)
    c.rect(x + side - 1, y, x + side - 1, y + side - 2, WHITE)
    c.rect(x + 1, y, x + side - 1, y, WHITE)


def window_icon():
    c = Canvas()
    c.rect(2, 0, 29, 31, NAVY)
    c.frame(1, 0, 30, 31, BLACK)
    # A T falling into a well whose floor is nearly full.
    for x, y in [(10, 3), (16, 3), (22, 3), (16, 9)]:
        block(c, x, y, FUCHSIA)
    for x, y, colour in [(4, 19, RED), (4, 25, RED), (10, 25, RED), (16, 25, LIME),
                         (22, 25, LIME), (22, 19, LIME), (16, 19, YELLOW), (10, 19, AQUA)]:
        block(c, x, y, colour)
    return c


def arrow_left():
    c = Canvas(GLYPH)
    for i in range(6):
        c.rect(3 + i, 7 - i, 3 + i, 8 + i, INK)
    c.rect(9, 5, 13, 10, INK)
    return c


def arrow_right():
    c = Canvas(GLYPH)
    for i in range(6):
        c.rect(12 - i, 7 - i, 12 - i, 8 + i, INK)
    c.rect(2, 5, 6, 10, INK)
    return c


def rotation():
    # A quarter turn counter-clockwise: a ring open at the upper left, its
    # head at the top pointing left.
    c = Canvas(GLYPH)
    c.ring(8, 8, 6, 2, INK)
    c.rect(0, 0, 7, 7, None)
    for i in range(4):
        c.rect(4 + i, 2 - i, 4 + i, 3 + i, INK)
    return c


def drop():
    c = Canvas(GLYPH)
    c.rect(6, 1, 9, 6, INK)
    for i in range(6):
        c.rect(2 + i, 7 + i, 13 - i, 7 + i, INK)
    c.rect(2, 14, 13, 14, INK)
    return c


ICONS = {
    'tetro1.ico': window_icon, 'tetro1_left.ico': arrow_left,
    'tetro1_turn.ico': rotation, 'tetro1_right.ico': arrow_right,
    'tetro1_drop.ico': drop,
}

if __name__ == '__main__':
    write(ICONS)
