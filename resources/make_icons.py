#!/usr/bin/env python3
"""Draws the programs' 32 x 32, 16-colour icons and their hand cursor, and
writes them as .ico and .cur files.

Run from this folder: python3 make_icons.py. The .ico files are committed;
run this again after changing a drawing.
"""
from drawing import (AQUA, BLACK, BLUE, GREEN, GREY, LIME, MAROON, NAVY, OLIVE, RED, SILVER, TEAL,
                     WHITE, YELLOW, Canvas, write)


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
    write(ICONS)
    with open('hand.cur', 'wb') as f:
        f.write(hand().cur(12, 1))   # the tip of the finger
