#!/usr/bin/env python3
"""Draws the pictures of the administration dialogs: the window icons of the
folder choice and icon chooser dialogs (32 x 32) and the glyphs of the
shortcut dialog's small buttons (16 x 16), as 16-colour .ico files. The
start-up folder button takes the open folder glyph of make_setup_icons.py.

Run from this folder: python3 make_dialog_icons.py. The .ico files are
committed; run this again after changing a drawing.
"""
from drawing import BLACK, BLUE, GREY, LIME, MAROON, NAVY, OLIVE, RED, TEAL, WHITE, YELLOW, Canvas, write


def folder(c, x0, y0, x1, y1):
    tab = x0 + (x1 - x0) // 3
    c.rect(x0, y0, tab, y0 + 2, OLIVE)
    c.rect(x0, y0 + 2, x1, y1, YELLOW)
    c.frame(x0, y0 + 2, x1, y1, OLIVE)


def select_folder():
    c = Canvas()
    folder(c, 2, 6, 25, 24)
    # A magnifying glass over the folder: looking for a folder.
    c.disc(21, 19, 7, WHITE)
    c.ring(21, 19, 7, 2, NAVY)
    c.line(25, 24, 30, 29, NAVY, width=3)
    return c


def choose_icon():
    c = Canvas()
    c.rect(1, 4, 30, 27, WHITE)
    c.frame(1, 4, 30, 27, GREY)
    colours = [RED, LIME, BLUE, YELLOW, TEAL, MAROON]
    for i, colour in enumerate(colours):
        x, y = 4 + (i % 3) * 9, 7 + (i // 3) * 10
        c.rect(x, y, x + 6, y + 6, colour)
        c.frame(x, y, x + 6, y + 6, BLACK)
    # The chosen one is framed.
    c.frame(11, 16, 21, 26, NAVY)
    return c


def glyph_target():
    c = Canvas(16)
    c.rect(3, 1, 11, 12, WHITE)
    c.frame(3, 1, 11, 12, BLACK)
    c.rect(4, 2, 10, 3, NAVY)
    c.line(9, 9, 14, 14, BLACK, width=2)
    c.rect(12, 9, 14, 10, BLACK)
    return c


def glyph_clear():
    c = Canvas(16)
    c.line(2, 3, 12, 13, RED, width=3)
    c.line(12, 3, 2, 13, RED, width=3)
    return c


def glyph_own_icon():
    c = Canvas(16)
    # A curved arrow back to the program's own icon.
    c.ring(9, 9, 5, 2, NAVY, gap=90)
    c.rect(1, 7, 5, 8, NAVY)
    c.line(3, 5, 1, 8, NAVY)
    c.line(3, 10, 1, 8, NAVY)
    c.rect(7, 7, 11, 11, TEAL)
    return c


WINDOW_ICONS = {'selectdossier.ico': select_folder, 'choixicone.ico': choose_icon}
GLYPHS = {
    'glyph_target.ico': glyph_target, 'glyph_clear.ico': glyph_clear, 'glyph_own_icon.ico': glyph_own_icon,
}

if __name__ == '__main__':
    write({**WINDOW_ICONS, **GLYPHS})
