#!/usr/bin/env python3
"""Draws the pictures of the options and password dialogs: their window icons
(32 x 32) and the 16 x 16 glyphs of their buttons.

Run from this folder: python3 make_setup_icons.py. The .ico files are
committed; run this again after changing a drawing.
"""
from drawing import BLACK, BLUE, GREEN, GREY, LIME, MAROON, OLIVE, RED, TEAL, WHITE, YELLOW, Canvas, write
from make_icons import monitor


def options_form():
    c = monitor(TEAL)
    # Two ticked boxes and a colour bar: the desktop's options.
    for y in (7, 12):
        c.rect(8, y, 11, y + 3, WHITE)
        c.frame(8, y, 11, y + 3, BLACK)
        c.line(9, y + 1, 10, y + 2, GREEN)
        c.rect(13, y + 1, 22, y + 2, WHITE)
    for i, colour in enumerate((RED, YELLOW, LIME, BLUE)):
        c.rect(8 + 4 * i, 16, 11 + 4 * i, 18, colour)
    return c


def install_form():
    c = Canvas()
    # A padlock: the password that unloads the desktop.
    c.ring(16, 12, 8, 3, GREY)
    c.rect(6, 13, 25, 29, YELLOW)
    c.frame(6, 13, 25, 29, OLIVE)
    c.disc(16, 19, 3, BLACK)
    c.rect(15, 21, 17, 26, BLACK)
    return c


def glyph_color():
    c = Canvas(16)
    for (x, y), colour in zip(((1, 1), (8, 1), (1, 8), (8, 8)), (RED, YELLOW, LIME, BLUE)):
        c.rect(x, y, x + 6, y + 6, colour)
        c.frame(x, y, x + 6, y + 6, BLACK)
    return c


def glyph_open():
    c = Canvas(16)
    c.rect(1, 3, 6, 4, OLIVE)
    c.rect(1, 4, 13, 13, YELLOW)
    c.frame(1, 4, 13, 13, OLIVE)
    c.line(3, 8, 15, 8, OLIVE)
    c.line(3, 8, 1, 13, OLIVE)
    c.line(15, 8, 13, 13, OLIVE)
    return c


def glyph_remove():
    c = Canvas(16)
    # A small landscape, crossed out.
    c.rect(1, 2, 13, 12, BLUE)
    c.rect(1, 9, 13, 12, GREEN)
    c.frame(1, 2, 13, 12, BLACK)
    c.line(4, 5, 14, 15, RED, 2)
    c.line(14, 5, 4, 15, RED, 2)
    return c


def glyph_ok():
    c = Canvas(16)
    c.line(2, 8, 6, 12, GREEN, 2)
    c.line(6, 12, 13, 3, GREEN, 2)
    return c


def glyph_cancel():
    c = Canvas(16)
    c.line(3, 3, 12, 12, MAROON, 2)
    c.line(12, 3, 3, 12, MAROON, 2)
    return c


ICONS = {
    'options.ico': options_form, 'install.ico': install_form,
    'glyph_color.ico': glyph_color, 'glyph_open.ico': glyph_open, 'glyph_remove.ico': glyph_remove,
    'glyph_ok.ico': glyph_ok, 'glyph_cancel.ico': glyph_cancel,
}

if __name__ == '__main__':
    write(ICONS)
