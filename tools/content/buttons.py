# SPDX-License-Identifier: GPL-3.0-or-later
"""Buttons and the pictures of the options screen, drawn as SVG.

Sizes follow the screens that show them:
- stop, options, reset and about are 60 x 60: stop and options sit side by
  side at the top left of the menu (x 10 and 80), reset, about and stop along
  the bottom of the options screen.
- The options screen lays out its boxes from frame.png (234 x 100), so three
  boxes fit side by side at x 24, 282 and 540 and two rows (y 250 and 410)
  stay clear of the buttons at the bottom. Pictures that the screen crosses
  out with offCross.png (drawn at the picture's top-left corner) are 64 x 64
  like the cross; the rest fit inside the box's inner area (210 x 76).
- The tab marker selectedFrame.png rings a 100 x 75 tab 6 pixels out."""

import math
import os

from shapes import (BLUE, GREEN, GREY, INK, LIME, ORANGE, PINK, PURPLE, RED, SKY, WHITE,
                    YELLOW, band_frame, circle, darker, ellipse, lighter, line, note_glyph,
                    path, rrect, star, switch, text)
from util import render_svg, svg_doc

FRAME_W, FRAME_H = 234, 100


def _badge(size, colour, body):
    c = size / 2.0
    r = c - 3
    out = circle(c, c + 1.5, r, darker(colour, 0.55))
    out += circle(c, c, r, colour, INK, 2.5)
    out += ellipse(c, c - r * 0.55, r * 0.6, r * 0.25, WHITE, extra='opacity="0.30"')
    return out + body


def octagon(cx, cy, r, fill, stroke, sw):
    pts = []
    for i in range(8):
        a = math.radians(22.5 + 45 * i)
        pts.append("%.2f,%.2f" % (cx + r * math.cos(a), cy + r * math.sin(a)))
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%g" stroke-linejoin="round"/>' % (
        " ".join(pts), fill, stroke, sw)


def stop_sign(size):
    c = size / 2.0
    out = octagon(c, c + 1.5, c - 2, darker(RED, 0.5), "none", 0)
    out += octagon(c, c, c - 2, RED, INK, 2.5)
    out += octagon(c, c, c - 6.5, "none", WHITE, 3)
    s = size * 0.17
    out += rrect(c - s, c - s, 2 * s, 2 * s, s * 0.25, WHITE)
    return out


def cog(cx, cy, r, fill):
    teeth = 8
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4)
        rad = r if (i % 4) in (0, 1) else r * 0.74
        pts.append("%.2f,%.2f" % (cx + rad * math.cos(a), cy + rad * math.sin(a)))
    out = '<polygon points="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        " ".join(pts), fill, INK)
    out += circle(cx, cy, r * 0.32, lighter(BLUE, 0.2), INK, 2)
    return out


def circular_arrow(cx, cy, r, colour, sw):
    a0, a1 = math.radians(-60), math.radians(240)
    x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
    out = path("M%g,%g A%g,%g 0 1 1 %g,%g" % (x0, y0, r, r, x1, y1), "none", colour, sw)
    # arrow head at the start, pointing along the circle
    h = sw * 1.9
    out += path("M%g,%g L%g,%g L%g,%g Z" % (x0 + h * 0.9, y0 - h * 0.1, x0 - h * 0.55, y0 - h * 0.9,
                                           x0 - h * 0.2, y0 + h * 0.75), colour, colour, 1)
    return out


def speaker(x, y, s, fill=INK, waves=3):
    out = path("M%g,%g h%g l%g,%g v%g l%g,%g h%g z" % (
        x, y - s * 0.22, s * 0.28, s * 0.34, -s * 0.3, s * 1.04, -s * 0.34, -s * 0.3, -s * 0.28),
        fill, fill, 1)
    for i in range(waves):
        r = s * (0.42 + 0.26 * i)
        cx = x + s * 0.55
        out += path("M%g,%g A%g,%g 0 0 1 %g,%g" % (
            cx + r * math.cos(math.radians(-40)), y + s * 0.3 + r * math.sin(math.radians(-40)), r, r,
            cx + r * math.cos(math.radians(40)), y + s * 0.3 + r * math.sin(math.radians(40))),
            "none", fill, s * 0.11)
    return out


def clock_face(cx, cy, r, hand_deg=60):
    out = circle(cx, cy, r, WHITE, INK, 2.5)
    for i in range(12):
        a = math.radians(i * 30)
        out += line(cx + r * 0.78 * math.cos(a), cy + r * 0.78 * math.sin(a),
                    cx + r * 0.9 * math.cos(a), cy + r * 0.9 * math.sin(a), INK, 1.5)
    a = math.radians(hand_deg - 90)
    out += line(cx, cy, cx + r * 0.65 * math.cos(a), cy + r * 0.65 * math.sin(a), RED, 3)
    out += line(cx, cy, cx, cy - r * 0.5, INK, 3)
    out += circle(cx, cy, 2.5, INK)
    return out


def hourglass(cx, cy, h):
    w = h * 0.62
    out = rrect(cx - w / 2 - 3, cy - h / 2 - 3, w + 6, 6, 2, ORANGE, INK, 1.5)
    out += rrect(cx - w / 2 - 3, cy + h / 2 - 3, w + 6, 6, 2, ORANGE, INK, 1.5)
    glass = "M%g,%g L%g,%g Q%g,%g %g,%g Q%g,%g %g,%g L%g,%g Q%g,%g %g,%g Q%g,%g %g,%g Z" % (
        cx - w / 2, cy - h / 2 + 3, cx + w / 2, cy - h / 2 + 3, cx + w / 2, cy - 4, cx + 3, cy,
        cx + w / 2, cy + 4, cx + w / 2, cy + h / 2 - 3, cx - w / 2, cy + h / 2 - 3,
        cx - w / 2, cy + 4, cx - 3, cy, cx - w / 2, cy - 4, cx - w / 2, cy - h / 2 + 3)
    out += path(glass, "#E8F6FF", INK, 2)
    out += path("M%g,%g L%g,%g L%g,%g Z" % (cx - w * 0.3, cy - h * 0.22, cx + w * 0.3,
                                           cy - h * 0.22, cx, cy - 2), YELLOW)
    out += path("M%g,%g L%g,%g L%g,%g Z" % (cx - w * 0.36, cy + h / 2 - 4, cx + w * 0.36,
                                           cy + h / 2 - 4, cx, cy + h * 0.12), YELLOW)
    return out


# ----------------------------------------------------------------- buttons

def stop():
    return svg_doc(60, 60, stop_sign(60))


def options():
    return svg_doc(60, 60, _badge(60, SKY, cog(30, 30, 19, "#E9EEF7")))


def reset():
    return svg_doc(60, 60, _badge(60, GREEN, circular_arrow(30, 31, 14, WHITE, 5.5)))


def about():
    body = circle(30, 17, 4.5, WHITE) + rrect(26, 24, 8, 22, 3, WHITE)
    return svg_doc(60, 60, _badge(60, BLUE, body))


def music_on():
    return svg_doc(64, 64, _badge(64, YELLOW, note_glyph(20, 43, 22, INK)))


def sound_on():
    return svg_doc(64, 64, _badge(64, ORANGE, speaker(13, 25, 26, INK)))


def one_contact():
    body = switch(40, 36, 26, RED, mark="one")
    # the pointer steps on by itself: a circular arrow beside the switch
    body += circular_arrow(94, 32, 14, BLUE, 4.5)
    return svg_doc(120, 64, body)


def two_contacts():
    body = switch(34, 36, 24, GREEN, mark="next")
    body += switch(100, 36, 24, RED, mark="ok")
    return svg_doc(134, 64, body)


def scan_time():
    body = clock_face(32, 33, 22, 120)
    return svg_doc(64, 64, _badge(64, SKY, body))


def key_time():
    body = hourglass(32, 32, 38)
    return svg_doc(64, 64, _badge(64, PURPLE, body))


# ---------------------------------------------------------- options screen

def frame():
    return svg_doc(FRAME_W, FRAME_H, band_frame(FRAME_W, FRAME_H, 12, "#FFFFFF", 14,
                                                 inner_line="#7AA7E0"))


def selected_frame():
    return svg_doc(112, 87, band_frame(112, 87, 6, YELLOW, 8))


def off_cross():
    d = "M12,12 L52,52 M52,12 L12,52"
    body = path(d, "none", WHITE, 15) + path(d, "none", RED, 9)
    return svg_doc(64, 64, '<g opacity="0.9">%s</g>' % body)


def random_pic():
    pips = [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)]
    die = rrect(-17, -17, 34, 34, 7, WHITE, INK, 2.5)
    for px, py in pips:
        die += circle(px * 9, py * 9, 3.6, RED)
    die2 = rrect(-12, -12, 24, 24, 5, YELLOW, INK, 2.2)
    for px, py in [(-1, -1), (1, 1)]:
        die2 += circle(px * 6, py * 6, 2.8, INK)
    body = '<g transform="translate(24 36) rotate(-14)">%s</g>' % die
    body += '<g transform="translate(47 20) rotate(18)">%s</g>' % die2
    return svg_doc(64, 64, body)


def ordered_pic():
    body = ""
    for i, col in enumerate([RED, YELLOW, GREEN]):
        x = 6 + i * 19
        body += rrect(x, 10, 17, 24, 4, col, INK, 2)
        body += text(x + 8.5, 29, str(i + 1), 17, INK)
    body += line(8, 48, 52, 48, INK, 4)
    body += path("M50,41 L59,48 L50,55 Z", INK, INK, 2)
    return svg_doc(64, 64, body)


def use_stop():
    return svg_doc(64, 64, stop_sign(64))


def use_esc():
    body = rrect(4, 10, 56, 46, 8, darker(GREY, 0.8))
    body += rrect(4, 6, 56, 46, 8, "#F4F6FA", INK, 2.5)
    body += rrect(9, 10, 46, 36, 6, WHITE, "#C9CFDB", 1.5)
    body += text(32, 36, "Esc", 19, INK)
    return svg_doc(64, 64, body)


def _screen(w, h, x, y):
    return rrect(x, y, w, h, 5, "#1E2A55", INK, 2)


TILE_COLOURS = [RED, YELLOW, GREEN, SKY, ORANGE, PINK, PURPLE, LIME]


def num_patterns(n):
    body = _screen(84, 62, 2, 1)
    x0, y0 = 6, 5
    if n == 1:
        cells = [(x0 + 19, y0 + 13.5, 38, 27)]
    elif n == 2:
        cells = [(x0 + 1, y0 + 13.5, 36, 27), (x0 + 39, y0 + 13.5, 36, 27)]
    elif n == 4:
        cells = [(x0 + 1 + (i % 2) * 38, y0 + 1 + (i // 2) * 27, 36, 25) for i in range(4)]
    else:
        cells = [(x0 + 1 + (i % 4) * 19, y0 + 8 + (i // 4) * 20, 17, 18) for i in range(8)]
    for i, (cx, cy, cw, ch) in enumerate(cells):
        body += rrect(cx, cy, cw, ch, 3, TILE_COLOURS[i], INK, 1.2)
    return svg_doc(88, 64, body)


def num_finds(n):
    body = _screen(84, 62, 2, 1)
    # the half picture at the top and the divider
    body += path("M31,7 h13 v18 h-13 a3,3 0 0 1 -3,-3 v-12 a3,3 0 0 1 3,-3 z", SKY, INK, 1.2)
    body += rrect(44, 7, 13, 18, 2, "none", WHITE, 1, 'stroke-dasharray="2 2"')
    body += line(8, 31, 80, 31, YELLOW, 2)
    gap = (76 - n * 14) / (n + 1.0)
    for i in range(n):
        x = 6 + gap + i * (14 + gap)
        body += rrect(x, 38, 14, 16, 2, TILE_COLOURS[i + 2] if i else SKY, INK, 1.2)
    gap0 = 6 + gap
    body += rrect(gap0 - 3, 35, 20, 22, 3, "none", YELLOW, 2.2)
    return svg_doc(88, 64, body)


def _head(cx, cy, s, colour):
    out = circle(cx, cy, s, colour, INK, 2.5)
    out += circle(cx + s * 0.25, cy - s * 0.25, s * 0.13, INK)
    out += path("M%g,%g Q%g,%g %g,%g Z" % (cx + s * 0.05, cy + s * 0.3, cx + s * 0.55,
                                          cy + s * 0.75, cx + s * 0.8, cy + s * 0.25),
                RED, INK, 2)
    return out


def _slash(w, h):
    return path("M%g,%g L%g,%g" % (8, h - 8, w - 8, 8), "none", WHITE, 11) + \
        path("M%g,%g L%g,%g" % (8, h - 8, w - 8, 8), "none", RED, 6)


def speech(on):
    body = _head(30, 34, 22, "#FFD9B0" if on else "#E1E1E1")
    col = BLUE if on else GREY
    for i in range(3):
        r = 14 + i * 10
        body += path("M%g,%g A%g,%g 0 0 1 %g,%g" % (
            52 + r * math.cos(math.radians(-35)), 36 + r * math.sin(math.radians(-35)), r, r,
            52 + r * math.cos(math.radians(35)), 36 + r * math.sin(math.radians(35))),
            "none", col, 4)
    if not on:
        body += _slash(96, 64)
    return svg_doc(96, 64, body)


def text_pic(on):
    body = rrect(4, 8, 88, 50, 8, WHITE if on else "#EEEEEE", INK, 2.5)
    body += text(48, 46, "Abc", 32, INK if on else GREY)
    if not on:
        body += _slash(96, 64)
    return svg_doc(96, 64, body)


def caps(on):
    body = rrect(1.5, 1.5, 53, 31, 6, YELLOW if on else "#FFF3C4", INK, 2)
    body += text(28, 25, "ABC" if on else "abc", 20, INK)
    return svg_doc(56, 34, body)


def speed(level):
    cx, cy, r = 60, 52, 40
    body = ""
    zones = [(180, 240, GREEN), (240, 300, YELLOW), (300, 360, RED)]
    for a0, a1, col in zones:
        x0, y0 = cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0))
        x1, y1 = cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1))
        body += path("M%g,%g L%g,%g A%g,%g 0 0 1 %g,%g Z" % (cx, cy, x0, y0, r, r, x1, y1), col)
    body += path("M%g,%g A%g,%g 0 0 1 %g,%g Z" % (cx - r, cy, r, r, cx + r, cy), "none", INK, 2.5)
    a = math.radians([210, 270, 330][level])
    body += line(cx, cy, cx + (r - 6) * math.cos(a), cy + (r - 6) * math.sin(a), INK, 4.5)
    body += circle(cx, cy, 5, INK)
    # one, two or three chevrons beside the dial say it again
    for i in range(level + 1):
        x = 104 + i * 9
        body += path("M%g,%g l6,8 l-6,8" % (x, 24), "none", INK, 3.5)
    return svg_doc(134, 64, body)


def _track(x0, x1, y, done_to, star_end=False):
    out = line(x0, y, done_to, y, BLUE, 6)
    if done_to < x1:
        out += line(done_to + 6, y, x1, y, GREY, 4, 'stroke-dasharray="2 7"')
        out += circle(done_to, y, 6.5, YELLOW, INK, 2)
    if star_end:
        out += star(x1, y, 10, YELLOW)
    return out


def contact_mode(mode):
    if mode == 0:
        body = switch(28, 44, 19, GREEN, pressed=True, mark="down")
        body += _track(60, 140, 40, 98)
    elif mode == 1:
        body = switch(28, 44, 19, GREEN, pressed=True, mark="down")
        body += _track(60, 104, 40, 104)
        body += circular_arrow(130, 38, 12, ORANGE, 4.5)
    else:
        body = switch(28, 38, 20, GREEN, mark="one")
        body += _track(60, 138, 38, 138, star_end=True)
    return svg_doc(150, 64, body)


def movie():
    body = switch(28, 38, 20, GREEN, mark="one")
    body += line(58, 38, 120, 38, BLUE, 6)
    body += path("M116,29 L130,38 L116,47 Z", BLUE, BLUE, 2)
    body += rrect(126, 24, 20, 28, 3, YELLOW, INK, 2)
    body += line(147, 14, 147, 60, INK, 2.5, 'stroke-dasharray="4 4"')
    return svg_doc(150, 64, body)


def find_pause():
    body = rrect(22, 19, 7, 26, 2, WHITE) + rrect(35, 19, 7, 26, 2, WHITE)
    return svg_doc(64, 64, _badge(64, BLUE, body))


def build(root):
    b = os.path.join(root, "gfx", "buttons")
    o = os.path.join(root, "gfx", "options")
    items = [
        (b, "stop", stop()), (b, "options", options()), (b, "reset", reset()),
        (b, "about", about()), (b, "musicOn", music_on()), (b, "soundOn", sound_on()),
        (b, "oneContact", one_contact()), (b, "twoContacts", two_contacts()),
        (b, "scanTime", scan_time()), (b, "keyTime", key_time()),
        (o, "frame", frame()), (o, "selectedFrame", selected_frame()),
        (o, "offCross", off_cross()), (o, "random", random_pic()), (o, "ordered", ordered_pic()),
        (o, "useStop", use_stop()), (o, "useEsc", use_esc()),
        (o, "speechOn", speech(True)), (o, "speechOff", speech(False)),
        (o, "textOn", text_pic(True)), (o, "textOff", text_pic(False)),
        (o, "capsOn", caps(True)), (o, "capsOff", caps(False)),
        (o, "speed0", speed(0)), (o, "speed1", speed(1)), (o, "speed2", speed(2)),
        (o, "contactMode0", contact_mode(0)), (o, "contactMode1", contact_mode(1)),
        (o, "contactMode2", contact_mode(2)), (o, "movie", movie()),
        (o, "findPause", find_pause()),
    ]
    for n in (1, 2, 4, 8):
        items.append((o, "numPatterns%d" % n, num_patterns(n)))
    for n in (2, 3, 4):
        items.append((o, "numFinds%d" % n, num_finds(n)))
    for folder, name, svg in items:
        w = int(svg.split('width="')[1].split('"')[0])
        h = int(svg.split('height="')[1].split('"')[0])
        render_svg(svg, os.path.join(folder, name + ".png"), w, h)
