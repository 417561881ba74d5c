#!/usr/bin/env python3
"""Draws the nine media-type pictures of the record information window.

Our own simple drawings, 32 by 32 pixels, 24-bit Windows bitmaps. The
bottom-left pixel holds the plain background colour, which the program
shows as transparent. Run: python3 scripts/make_icons.py korvant/icons
"""
import math
import struct
import sys

N = 32
BG = (255, 0, 255)


def canvas():
    return [[BG for _ in range(N)] for _ in range(N)]


def fill(img, test, colour):
    for y in range(N):
        for x in range(N):
            if test(x + 0.5, y + 0.5):
                img[y][x] = colour


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r1, r2):
    return lambda x, y: r1 * r1 <= (x - cx) ** 2 + (y - cy) ** 2 <= r2 * r2


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def disc(img, label, mark=None):
    """A compact disc: silver, a coloured label ring, the hole."""
    fill(img, circle(16, 16, 14.5), (60, 60, 70))
    fill(img, circle(16, 16, 13.8), (205, 210, 220))
    fill(img, ring(16, 16, 9, 11.5), (235, 238, 245))
    fill(img, lambda x, y: circle(16, 16, 13.8)(x, y) and y < 11 and x > 6, label)
    fill(img, circle(16, 16, 5), (150, 150, 160))
    fill(img, circle(16, 16, 2.2), BG)
    if mark:
        mark(img)


def divx(img):
    disc(img, (40, 90, 200))
    # Two letters' worth of white strokes on the label: "X".
    fill(img, lambda x, y: 4 < y < 10 and (abs((x - 19) - (y - 7)) < 1 or abs((x - 19) + (y - 7)) < 1), (255, 255, 255))


def vcd(img):
    disc(img, (40, 160, 70))
    fill(img, lambda x, y: 4 < y < 10 and 12 < x < 14 + (y - 4) * 0.0 + 1, (255, 255, 255))
    fill(img, lambda x, y: 4 < y < 10 and abs(x - 22 + (9 - y) * 0.0) < 1 and (y - 4) < 6, (255, 255, 255))


def dvd(img):
    disc(img, (180, 30, 60))
    fill(img, rect(10, 5, 12, 9), (255, 255, 255))
    fill(img, rect(15, 5, 17, 9), (255, 255, 255))
    fill(img, rect(20, 5, 22, 9), (255, 255, 255))


def audiocd(img):
    disc(img, (230, 150, 20))
    # A note: a stem and a head.
    fill(img, rect(19, 3, 20, 9), (20, 20, 20))
    fill(img, circle(17.5, 9, 2), (20, 20, 20))


def datacd(img):
    disc(img, (110, 110, 120))
    for i, on in enumerate([1, 0, 1, 1, 0, 1]):
        h = 5 if on else 2
        fill(img, rect(9 + i * 2.5, 10 - h, 10 + i * 2.5, 9.5), (120, 230, 120))


def vhs(img):
    fill(img, rect(1, 6, 30, 26), (25, 25, 30))
    fill(img, rect(4, 9, 27, 14), (230, 230, 210))          # label
    fill(img, rect(6, 16, 25, 23), (70, 70, 80))            # window
    fill(img, circle(10, 19.5, 3), (235, 235, 235))
    fill(img, circle(21, 19.5, 3), (235, 235, 235))
    fill(img, circle(10, 19.5, 1.2), (25, 25, 30))
    fill(img, circle(21, 19.5, 1.2), (25, 25, 30))


def valkman(img):
    fill(img, rect(2, 7, 29, 25), (150, 90, 40))             # audio cassette shell
    fill(img, rect(5, 9, 26, 21), (245, 230, 190))           # label
    fill(img, rect(9, 13, 22, 18), (60, 50, 40))             # window
    fill(img, circle(12, 15.5, 1.8), (245, 245, 245))
    fill(img, circle(19, 15.5, 1.8), (245, 245, 245))
    fill(img, lambda x, y: 21 <= y <= 25 and 8 + (25 - y) <= x <= 23 - (25 - y), (110, 65, 30))


def lp(img):
    fill(img, circle(16, 16, 15), (15, 15, 15))
    for r in (12.5, 10, 7.5):
        fill(img, ring(16, 16, r - 0.35, r + 0.35), (70, 70, 70))
    fill(img, circle(16, 16, 5), (200, 40, 40))
    fill(img, circle(16, 16, 1.3), BG)


def mp3(img):
    fill(img, rect(8, 2, 23, 29), (60, 65, 80))
    fill(img, rect(10, 4, 21, 13), (150, 210, 240))          # screen
    fill(img, rect(11, 6, 17, 7), (30, 60, 90))
    fill(img, rect(11, 9, 20, 10), (30, 60, 90))
    fill(img, ring(15.5, 21, 2, 5), (210, 210, 220))         # wheel
    fill(img, circle(15.5, 21, 1.8), (120, 120, 130))


def write_bmp(path, img):
    row = N * 3
    pad = (4 - row % 4) % 4
    data = bytearray()
    for y in range(N - 1, -1, -1):  # bottom-up rows
        for x in range(N):
            r, g, b = img[y][x]
            data += bytes((b, g, r))
        data += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, N, N, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


PICTURES = {
    "divx.bmp": divx, "vcd3.bmp": vcd, "dvd.bmp": dvd, "vhs.bmp": vhs,
    "audiocd3.bmp": audiocd, "datacd.bmp": datacd, "valkman.bmp": valkman,
    "lp3.bmp": lp, "mp3.bmp": mp3,
}

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "korvant/icons"
    for name, draw in PICTURES.items():
        img = canvas()
        draw(img)
        img[N - 1][0] = BG
        write_bmp(f"{out}/{name}", img)
