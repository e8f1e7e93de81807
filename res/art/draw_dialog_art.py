#!/usr/bin/env python3
"""Draws the dialogs' pictures into res/*.ico: the signs of the message window, the button glyphs,
the text-input picture, the folder picker's folders and drive, and the edit dialog's search buttons
and empty preview.

Each picture comes in its size at 96 dpi and at 125 %, 150 % and 200 % of it, as the bar's pictures
do (draw_art.py), so that every density finds an exact size.

    python3 res/art/draw_dialog_art.py              # writes every picture
    python3 res/art/draw_dialog_art.py BtnOk Pasta  # writes only these
"""
import math
import sys

sys.dont_write_bytecode = True
from raster import Canvas, bar, box, circle, intersect, linear, outline, polygon, radial, subtract, union  # noqa: E402
from draw_art import (BLUE_DARK, BLUE_EDGE, BLUE_LIGHT, GREEN, GREEN_EDGE, GREEN_LIGHT, RED, RED_DARK,  # noqa: E402
                      RED_LIGHT, WHITE, centred, even, px, red_cross, scales, write_pictures)


GREY_EDGE = (150, 150, 150)
GREY_LIGHT = (236, 236, 236)
SHADOW = (0, 0, 0, 0.22)
BROWN = (150, 88, 24)
BROWN_DARK = (112, 62, 12)
FOLDER_LIGHT = (255, 222, 120)
FOLDER = (240, 184, 56)
FOLDER_EDGE = (176, 120, 20)
PAPER_LINE = (170, 190, 220)
PEN = (40, 90, 190)
PEN_WOOD = (236, 200, 140)
METAL_LIGHT = (222, 226, 232)
METAL = (160, 168, 180)
METAL_EDGE = (96, 104, 116)
LED = (60, 210, 70)


# --- signs of the message window: a white disc with a mark ------------------------------------------

def sign_disc(img, n):
    s = n / 48.0
    c = n / 2.0
    r = c - 2.5 * s
    img.fill(circle(c + 1.2 * s, c + 1.6 * s, r), SHADOW)
    disc = circle(c, c, r)
    img.fill(disc, radial(c - 0.3 * r, c - 0.35 * r, 1.7 * r, WHITE, GREY_LIGHT))
    img.fill(outline(disc, max(1.0, 1.2 * s)), GREY_EDGE)
    return s, c


def draw_error_sign(n):
    img = Canvas(n)
    s, c = sign_disc(img, n)
    w = 6.0 * s
    top, stem_end, dot = c - 15.0 * s, c + 5.0 * s, c + 12.0 * s
    mark = union(bar(c, top + w / 2, c, stem_end - w / 2, w, round_ends=True),
                 circle(c, dot, w * 0.62))
    img.fill(mark, linear(0, top, RED_LIGHT, 0, dot, RED_DARK))
    return img


def draw_question_sign(n):
    img = Canvas(n)
    s, c = sign_disc(img, n)
    w = 5.6 * s
    hook_c, hook_r = c - 5.0 * s, 8.0 * s
    ring = subtract(circle(c, hook_c, hook_r + w / 2), circle(c, hook_c, hook_r - w / 2))
    # The arc from the left, over the top, down the right side to the lower right.
    keep = union(polygon([(0, 0), (n, 0), (n, hook_c), (0, hook_c)]),
                 polygon([(c, hook_c), (n, hook_c), (n, n), (c + 0.3 * hook_r, n)]))
    a = math.radians(55)
    ex, ey = c + hook_r * math.cos(a), hook_c + hook_r * math.sin(a)
    stem = bar(ex, ey, c, c + 5.0 * s, w, round_ends=True)
    left_end = circle(c - hook_r, hook_c, w / 2)
    mark = union(intersect(ring, keep), stem, left_end, circle(c, c + 12.5 * s, w * 0.62))
    img.fill(mark, linear(0, hook_c - hook_r, BROWN, 0, c + 13 * s, BROWN_DARK))
    return img


# --- button glyphs ------------------------------------------------------------------------------------

def draw_check(n):
    s = n / 16.0
    w = 2.6 * s
    shape = union(bar(3.0 * s, 8.6 * s, 6.4 * s, 12.0 * s, w, round_ends=True),
                  bar(6.4 * s, 12.0 * s, 13.2 * s, 4.2 * s, w, round_ends=True))
    img = Canvas(n)
    img.fill(shape, linear(0, 3 * s, GREEN_LIGHT, 0, 13 * s, GREEN))
    img.fill(outline(shape, max(1.0, 0.7 * s)), GREEN_EDGE, 0.8)
    return img


def draw_no(n):
    s = n / 16.0
    return red_cross(n, even(11 * s), max(1, int(1.6 * s + 0.5)))


def draw_save(n):
    s = n / 16.0
    x0, x1 = px(1.5 * s), n - px(1.5 * s)
    body = box(x0, x0, x1, x1, radius=1.2 * s)
    img = Canvas(n)
    img.fill(body, linear(0, x0, BLUE_LIGHT, 0, x1, BLUE_DARK))
    img.fill(outline(body, max(1.0, 0.8 * s)), BLUE_EDGE)
    # The shutter at the top and the label at the bottom.
    img.fill(box(px(4.5 * s), x0 + px(0.8 * s), px(11.5 * s), px(6 * s)), (214, 222, 232))
    img.fill(box(px(9 * s), px(2.8 * s), px(10.5 * s), px(5.2 * s)), (80, 96, 120))
    img.fill(box(px(3.5 * s), px(8.5 * s), n - px(3.5 * s), x1 - px(0.8 * s), radius=0.6 * s), WHITE)
    for k in range(2):
        y = px((10.2 + 1.8 * k) * s)
        img.fill(box(px(4.5 * s), y, n - px(4.5 * s), y + max(1, px(0.6 * s))), PAPER_LINE)
    return img


def draw_cancel(n):
    s = n / 16.0
    x0, x1 = px(1 * s), n - px(1 * s)
    square = box(x0, x0, x1, x1, radius=3.0 * s)
    img = Canvas(n)
    img.fill(square, linear(0, x0, RED_LIGHT, 0, x1, RED_DARK))
    c = n / 2.0
    r = 3.4 * s
    w = 2.2 * s
    cross = union(bar(c - r, c - r, c + r, c + r, w), bar(c - r, c + r, c + r, c - r, w))
    img.fill(cross, WHITE)
    return img


def folder_shape(n, s, open_front):
    """A folder: its back with the tab, and its front (leaning forward when open)."""
    left, right = 1.0 * s, n - 1.0 * s
    top, bottom = 3.0 * s, n - 2.0 * s
    back = union(box(left, top + 1.6 * s, right, bottom, radius=0.9 * s),
                 box(left, top, left + 6.0 * s, top + 3.0 * s, radius=0.9 * s))
    if open_front:
        front = polygon([(left + 2.2 * s, top + 5.0 * s), (right + 0.2 * s, top + 5.0 * s),
                         (right - 1.8 * s, bottom), (left, bottom)])
    else:
        front = box(left, top + 3.2 * s, right, bottom, radius=0.9 * s)
    return back, front


def draw_folder(n, open_front=False):
    s = n / 16.0
    back, front = folder_shape(n, s, open_front)
    img = Canvas(n)
    img.fill(back, FOLDER_EDGE)
    if open_front:
        img.fill(box(2.5 * s, 4.5 * s, n - 3.5 * s, n - 3 * s), WHITE)
    img.fill(front, linear(0, 5 * s, FOLDER_LIGHT, 0, n, FOLDER))
    img.fill(outline(front, max(1.0, 0.7 * s)), FOLDER_EDGE, 0.9)
    return img


def draw_folder_open(n):
    return draw_folder(n, open_front=True)


def draw_new_folder(n):
    img = draw_folder(n)
    s = n / 16.0
    # A small green plus in the lower right corner.
    c = n - 4.5 * s
    arm, t = 3.2 * s, 1.6 * s
    plus = union(box(c - arm, c - t / 2, c + arm, c + t / 2), box(c - t / 2, c - arm, c + t / 2, c + arm))
    img.fill(outline(plus, -0.9 * s), WHITE)
    img.fill(plus, GREEN)
    return img


def draw_drive(n):
    s = n / 16.0
    body = box(1.0 * s, 5.0 * s, n - 1.0 * s, n - 4.0 * s, radius=1.4 * s)
    img = Canvas(n)
    img.fill(body, linear(0, 5 * s, METAL_LIGHT, 0, n - 4 * s, METAL))
    img.fill(outline(body, max(1.0, 0.7 * s)), METAL_EDGE)
    img.fill(box(3.0 * s, n - 7.2 * s, 9.0 * s, n - 6.2 * s), METAL_EDGE, 0.6)
    img.fill(circle(n - 3.6 * s, n - 6.7 * s, 1.0 * s), LED)
    return img


# --- the edit dialog's search buttons and its empty preview --------------------------------------------

ORANGE_LIGHT = (255, 178, 72)
ORANGE = (226, 118, 16)
ORANGE_EDGE = (150, 70, 6)
GLASS = (206, 232, 255)
FOLDER_BLUE_LIGHT = (150, 200, 255)
FOLDER_BLUE = (58, 130, 222)
FOLDER_BLUE_EDGE = (20, 70, 150)
SLOT = (244, 244, 244)
SLOT_EDGE = (168, 168, 168)


def draw_magnifier(n):
    """A magnifying glass: a blue ring round a pale lens, an orange handle to the lower right."""
    s = n / 16.0
    c, r, ring = 6.4 * s, 4.6 * s, max(1.2, 1.6 * s)
    img = Canvas(n)
    handle = bar(c + 3.9 * s, c + 3.9 * s, n - 1.6 * s, n - 1.6 * s, 2.8 * s, round_ends=True)
    img.fill(handle, linear(c, c, ORANGE_LIGHT, n, n, ORANGE))
    img.fill(outline(handle, max(1.0, 0.6 * s)), ORANGE_EDGE, 0.8)
    lens = circle(c, c, r)
    img.fill(lens, radial(c - 1.6 * s, c - 1.6 * s, 1.6 * r, WHITE, GLASS))
    img.fill(outline(lens, ring), linear(0, c - r, BLUE_LIGHT, 0, c + r, BLUE_DARK))
    # A glint on the glass.
    img.fill(bar(c - 2.2 * s, c - 0.6 * s, c - 0.8 * s, c - 2.2 * s, max(1.0, 0.9 * s), round_ends=True), WHITE, 0.9)
    return img


def draw_folder_blue(n):
    """An open folder, blue."""
    s = n / 16.0
    back, front = folder_shape(n, s, True)
    img = Canvas(n)
    img.fill(back, FOLDER_BLUE_EDGE)
    img.fill(box(2.5 * s, 4.5 * s, n - 3.5 * s, n - 3 * s), WHITE)
    img.fill(front, linear(0, 5 * s, FOLDER_BLUE_LIGHT, 0, n, FOLDER_BLUE))
    img.fill(outline(front, max(1.0, 0.7 * s)), FOLDER_BLUE_EDGE, 0.9)
    return img


def draw_empty_slot(n):
    """The preview before there is a target: an empty rounded square with a dashed edge."""
    s = n / 32.0
    a, b = 3.0 * s, n - 3.0 * s
    square = box(a, a, b, b, radius=4.0 * s)
    img = Canvas(n)
    img.fill(square, SLOT)
    w = max(1.0, 1.2 * s)
    edge = outline(square, w)
    # Dashes: the edge, less a gap every 6 units along each side (the corners stay whole).
    gaps = []
    for k in range(3):
        t = (10.0 + 6.0 * k) * s
        gaps.append(box(t, 0, t + 2.4 * s, n))
        gaps.append(box(0, t, n, t + 2.4 * s))
    img.fill(subtract(edge, union(*gaps)), SLOT_EDGE)
    return img


# --- the text-input picture: a sheet of paper and a pen -------------------------------------------------

def draw_input(n):
    s = n / 48.0
    img = Canvas(n)
    x0, y0, x1, y1 = 8 * s, 3 * s, 36 * s, 45 * s
    img.fill(box(x0 + 1.5 * s, y0 + 1.5 * s, x1 + 1.5 * s, y1 + 1.5 * s, radius=1.5 * s), SHADOW)
    sheet = box(x0, y0, x1, y1, radius=1.5 * s)
    img.fill(sheet, WHITE)
    img.fill(outline(sheet, max(1.0, 1.0 * s)), GREY_EDGE)
    for k in range(7):
        y = px((10 + 4.6 * k) * s)
        img.fill(box(px(12 * s), y, px((32 - (8 if k == 6 else 0)) * s), y + max(1, px(1.0 * s))), PAPER_LINE)
    # The pen, leaning over the sheet, its tip on the last line.
    tip = (27 * s, 39 * s)
    end = (44 * s, 12 * s)
    w = 5.0 * s
    img.fill(bar(tip[0], tip[1], end[0], end[1], w, round_ends=True), PEN)
    d = math.hypot(end[0] - tip[0], end[1] - tip[1])
    ux, uy = (end[0] - tip[0]) / d, (end[1] - tip[1]) / d
    cone = (tip[0] + ux * 6 * s, tip[1] + uy * 6 * s)
    img.fill(bar(tip[0] + ux * 1.2 * s, tip[1] + uy * 1.2 * s, cone[0], cone[1], w * 0.9), PEN_WOOD)
    img.fill(circle(tip[0] + ux * 0.9 * s, tip[1] + uy * 0.9 * s, 1.0 * s), (40, 40, 40))
    return img


PICTURES = [
    ("MsgErro", draw_error_sign, scales(48)),
    ("MsgConf", draw_question_sign, scales(48)),
    ("BtnOk", draw_check, scales(16)),
    ("BtnNao", draw_no, scales(16)),
    ("BtnSalvar", draw_save, scales(16)),
    ("BtnCancelar", draw_cancel, scales(16)),
    ("BtnPasta", draw_new_folder, scales(16)),
    ("Entrada", draw_input, scales(48)),
    ("Pasta", draw_folder, scales(16)),
    ("PastaAberta", draw_folder_open, scales(16)),
    ("Unidade", draw_drive, scales(16)),
    ("BtnLupa", draw_magnifier, scales(16)),
    ("BtnPastaAzul", draw_folder_blue, scales(16)),
    ("Neutro", draw_empty_slot, scales(32)),
]


def main():
    write_pictures(PICTURES, set(sys.argv[1:]))


if __name__ == "__main__":
    main()
