#!/usr/bin/env python3
"""Draws the information box's picture (182 x 129, 256 colours) as splash.bmp.

The bottom-left pixel's colour is the picture's transparent colour: what is
drawn in it shows the box's blue panel. Run from this folder.
"""
import math

from drawing import Canvas

W, H = 182, 129
KEY = (255, 0, 255)
picture = Canvas(W, H, fill=KEY)
px, rect, disc = picture.px, picture.rect, picture.disc


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


# A soft halo behind the monitor.
for y in range(H):
    for x in range(W):
        d = math.hypot((x - 91) / 1.3, y - 58)
        if d < 62:
            px[y][x] = mix((90, 150, 230), (40, 80, 190), d / 62)

# The monitor, its screen showing a teal desktop with a few icons.
rect(38, 10, 143, 92, (192, 192, 192))
rect(38, 10, 143, 11, (255, 255, 255))
rect(38, 10, 39, 92, (255, 255, 255))
rect(142, 10, 143, 92, (96, 96, 96))
rect(38, 91, 143, 92, (96, 96, 96))
rect(46, 17, 135, 83, (0, 0, 0))
rect(48, 19, 133, 81, (0, 128, 128))
icons = [(255, 255, 0), (255, 255, 255), (0, 255, 0), (0, 255, 255), (255, 128, 0), (200, 200, 255)]
for i, c in enumerate(icons):
    x = 54 + (i // 3) * 22
    y = 23 + (i % 3) * 19
    rect(x, y, x + 9, y + 9, c)
    rect(x - 2, y + 12, x + 11, y + 13, (255, 255, 255))
# The taskbar at the bottom of the screen, with three tray icons.
rect(48, 75, 133, 81, (192, 192, 192))
for i, c in enumerate([(200, 0, 0), (0, 0, 160), (0, 140, 0)]):
    disc(118 + i * 6, 78, 2, c)
rect(84, 93, 97, 100, (160, 160, 160))
rect(66, 101, 115, 106, (192, 192, 192))
rect(66, 106, 115, 107, (96, 96, 96))
# A key in front: the desktop stays closed without it.
disc(140, 104, 9, (255, 215, 0))
disc(140, 104, 4, KEY)
rect(148, 102, 172, 106, (255, 215, 0))
rect(160, 107, 163, 113, (255, 215, 0))
rect(168, 107, 171, 115, (255, 215, 0))
px[H - 1][0] = KEY

# 8 bits a pixel with the picture's own palette: a third of the size of
# 24 bits, and what a 256-colour screen shows anyway.
with open('splash.bmp', 'wb') as f:
    f.write(picture.bmp8())
