#!/usr/bin/env python3
"""Draws the administration window's toolbar: the 16 x 16 glyphs of its flat
buttons and the tile of its wallpaper, as 24-bit .bmp files.

A glyph's bottom-left pixel is its transparent colour (olive here). Run from
this folder: python3 make_toolbar_glyphs.py.
"""
from drawing import Canvas, write

OLIVE = (128, 128, 0)
BLACK, WHITE, GREY, SILVER = (0, 0, 0), (255, 255, 255), (128, 128, 128), (192, 192, 192)
NAVY, BLUE, TEAL, AQUA = (0, 0, 128), (0, 0, 255), (0, 128, 128), (0, 255, 255)
RED, MAROON, GREEN, LIME = (255, 0, 0), (128, 0, 0), (0, 128, 0), (0, 255, 0)
YELLOW, GOLD = (255, 255, 0), (200, 160, 0)


def glyph(size=16):
    """A square glyph on its transparent colour."""
    return Canvas(size, fill=OLIVE)


def page(g, x=3, y=1):
    g.rect(x, y, x + 9, y + 12, WHITE).frame(x, y, x + 9, y + 12, BLACK)
    return g


def folder(g, x=1, y=3, c=YELLOW):
    g.rect(x, y, x + 5, y + 1, GOLD)
    g.rect(x, y + 2, x + 13, y + 10, c).frame(x, y + 2, x + 13, y + 10, GOLD)
    return g


def plus(g, x, y):
    return g.rect(x - 2, y, x + 2, y, GREEN).rect(x, y - 2, x, y + 2, GREEN)


def shortcut():
    g = page(glyph())
    g.rect(5, 8, 9, 12, WHITE).frame(5, 8, 9, 12, BLACK).thin_line(6, 11, 8, 9, BLUE).thin_line(7, 9, 8, 9, BLUE)
    return plus(g, 12, 3)


def new_folder():
    return plus(folder(glyph(), 0, 4), 12, 3)


def delete():
    g = glyph()
    for d in range(-1, 2):
        g.thin_line(3 + d, 3, 12 + d, 12, RED).thin_line(12 + d, 3, 3 + d, 12, RED)
    return g


def properties():
    g = page(glyph())
    for y in (4, 7, 10):
        g.rect(5, y, 10, y, GREY)
    g.rect(9, 8, 14, 14, SILVER).frame(9, 8, 14, 14, BLACK).rect(11, 10, 12, 12, NAVY)
    return g


def copy():
    g = glyph()
    page(g, 1, 1)
    page(g, 5, 3)
    for y in (6, 9, 12):
        g.rect(7, y, 12, y, NAVY)
    return g


def paste():
    g = glyph().rect(2, 2, 11, 14, GOLD).frame(2, 2, 11, 14, MAROON).rect(4, 1, 9, 3, SILVER)
    g.rect(7, 6, 14, 15, WHITE).frame(7, 6, 14, 15, BLACK)
    for y in (9, 12):
        g.rect(9, y, 12, y, NAVY)
    return g


def options():
    g = glyph().rect(1, 2, 14, 13, SILVER).frame(1, 2, 14, 13, BLACK).rect(2, 3, 13, 4, NAVY)
    for i, c in enumerate((RED, LIME, BLUE, YELLOW)):
        g.rect(3 + 3 * i, 7, 4 + 3 * i, 11, c)
    return g


def monitor(g):
    g.rect(1, 1, 14, 11, SILVER).frame(1, 1, 14, 11, BLACK).rect(3, 3, 12, 9, TEAL)
    return g.rect(6, 12, 9, 12, GREY).rect(4, 13, 11, 14, SILVER)


def activate():
    g = monitor(glyph())
    return g.thin_line(4, 6, 6, 8, LIME).thin_line(6, 8, 11, 3, LIME).thin_line(4, 7, 6, 9, LIME).thin_line(6, 9, 11, 4, LIME)


def deactivate():
    g = monitor(glyph())
    return g.thin_line(4, 3, 11, 9, RED).thin_line(11, 3, 4, 9, RED).thin_line(5, 3, 12, 9, RED).thin_line(12, 3, 5, 9, RED)


def other_user():
    g = glyph().rect(5, 1, 9, 5, SILVER).frame(5, 1, 9, 5, GREY)
    g.rect(3, 7, 11, 14, NAVY).rect(12, 9, 15, 10, GREEN).thin_line(14, 8, 15, 9, GREEN).thin_line(14, 11, 15, 10, GREEN)
    return g


def list_view():
    g = glyph().rect(1, 1, 14, 14, WHITE).frame(1, 1, 14, 14, BLACK)
    for y in (3, 6, 9, 12):
        g.rect(3, y, 4, y + 1, BLUE).rect(6, y, 12, y, BLACK)
    return g


def icon_view():
    g = glyph().rect(1, 1, 14, 14, WHITE).frame(1, 1, 14, 14, BLACK)
    for x, y in ((3, 3), (9, 3), (3, 9), (9, 9)):
        g.rect(x, y, x + 3, y + 3, BLUE)
    return g


def info():
    g = glyph().disc(7.5, 7.5, 7, BLUE)
    return g.rect(7, 3, 8, 4, WHITE).rect(7, 6, 8, 12, WHITE).rect(6, 12, 9, 12, WHITE)


def quit():
    g = glyph().rect(2, 1, 10, 14, MAROON).frame(2, 1, 10, 14, BLACK).rect(8, 7, 8, 8, YELLOW)
    return g.rect(11, 7, 15, 8, GREEN).thin_line(13, 5, 15, 7, GREEN).thin_line(13, 10, 15, 8, GREEN)


def up_folder():
    g = folder(glyph(), 1, 3)
    return g.rect(7, 7, 8, 12, BLACK).thin_line(5, 9, 7, 7, BLACK).thin_line(10, 9, 8, 7, BLACK)


def wallpaper_tile():
    """A soft blue-grey weave that tiles without seams."""
    g = glyph(32)
    for y in range(32):
        for x in range(32):
            v = 176 + ((x // 4 + y // 4) % 2) * 12 + ((x * 7 + y * 13) % 5)
            g.px[y][x] = (v - 24, v - 8, v + 16 if v + 16 < 256 else 255)
    return g


GLYPHS = {
    'tb_shortcut.bmp': shortcut, 'tb_folder.bmp': new_folder, 'tb_delete.bmp': delete,
    'tb_properties.bmp': properties, 'tb_copy.bmp': copy, 'tb_paste.bmp': paste,
    'tb_options.bmp': options, 'tb_activate.bmp': activate, 'tb_deactivate.bmp': deactivate,
    'tb_user.bmp': other_user, 'tb_list.bmp': list_view, 'tb_icons.bmp': icon_view,
    'tb_info.bmp': info, 'tb_quit.bmp': quit, 'tb_up.bmp': up_folder, 'tb_wallpaper.bmp': wallpaper_tile,
}

if __name__ == '__main__':
    write(GLYPHS, 'bmp24')
