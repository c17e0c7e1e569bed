# SPDX-License-Identifier: GPL-3.0-or-later
"""Painting series for the painting activity: a colouring-book picture that
starts as black outlines on white paper and gains one colour per frame until
it is fully coloured. Frames are 400 x 300 (the activity shows them 1.5 times
as large, 600 x 450, in the middle of the screen) and are named base name +
two digits + .png; each series has its own sound sfx/images/<base>.wav."""

import math
import os

from shapes import INK
from util import render_svg, svg_doc

W, H = 400, 300
PAPER = "#FFFFFF"


class Region:
    """One area of the picture: its SVG shape (with {fill} for the fill),
    the colour it gets and the frame (2..) from which it is coloured."""

    def __init__(self, shape, colour, step, stroke=True, outline_fill=PAPER):
        self.shape = shape
        self.colour = colour
        self.step = step
        self.stroke = stroke
        self.outline_fill = outline_fill


def _p(d):
    return '<path d="%s" fill="{fill}"/>' % d


def _c(cx, cy, r):
    return '<circle cx="%g" cy="%g" r="%g" fill="{fill}"/>' % (cx, cy, r)


def _e(cx, cy, rx, ry, rot=0):
    return '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="{fill}" transform="rotate(%g %g %g)"/>' % (
        cx, cy, rx, ry, rot, cx, cy)


def _r(x, y, w, h, r=0):
    return '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="{fill}"/>' % (x, y, w, h, r)


def frame_svg(regions, k, lines=""):
    body = '<rect width="%d" height="%d" fill="%s"/>' % (W, H, PAPER)
    for reg in regions:
        fill = reg.colour if k >= reg.step else reg.outline_fill
        shape = reg.shape.replace("{fill}", fill)
        if reg.stroke:
            shape = '<g stroke="%s" stroke-width="4" stroke-linejoin="round" stroke-linecap="round">%s</g>' % (
                INK, shape)
        body += shape
    body += '<g fill="none" stroke="%s" stroke-width="4" stroke-linecap="round" stroke-linejoin="round">%s</g>' % (
        INK, lines)
    body += '<rect x="2" y="2" width="%d" height="%d" fill="none" stroke="%s" stroke-width="4"/>' % (
        W - 4, H - 4, INK)
    return svg_doc(W, H, body)


def house():
    regs = [
        Region(_r(0, 0, W, H), "#9ED8FF", 7, stroke=False),
        Region(_c(68, 64, 34), "#FFD23F", 8),
        Region(_p("M0,228 Q110,196 210,220 T400,214 V300 H0 Z"), "#6CC24A", 6),
        Region(_r(266, 70, 26, 52), "#B5483C", 3),
        Region(_r(130, 132, 170, 126), "#FFE066", 2),
        Region(_p("M112,138 L215,62 L318,138 Z"), "#E84855", 3),
        Region(_r(192, 176, 46, 82, 4), "#9C6B3E", 4),
        Region(_r(146, 152, 36, 36, 3), "#BDE8FF", 5),
        Region(_r(248, 152, 36, 36, 3), "#BDE8FF", 5),
    ]
    rays = ""
    for i in range(8):
        a = math.radians(i * 45 + 22)
        rays += " M%.1f,%.1f L%.1f,%.1f" % (68 + 44 * math.cos(a), 64 + 44 * math.sin(a),
                                              68 + 58 * math.cos(a), 64 + 58 * math.sin(a))
    lines = ('<path d="M164,152 V188 M146,170 H182 M266,152 V188 M248,170 H284%s"/>'
             '<circle cx="228" cy="220" r="4" fill="%s"/>' % (rays, INK))
    return regs, lines, 8


FISH_BODY = "M96,146 C120,80 250,70 290,146 C250,222 120,212 96,146 Z"


def fish():
    regs = [
        Region(_r(0, 0, W, H), "#7FD3F7", 7, stroke=False),
        Region(_p("M0,262 Q100,244 200,258 T400,252 V300 H0 Z"), "#F5D58C", 7),
        Region(_p("M58,262 C40,220 78,200 60,160 C48,132 70,112 64,92 C82,120 70,140 82,168 "
                  "C96,200 70,222 86,262 Z"), "#3DBB6A", 6),
        Region(_p("M336,256 C352,226 324,206 340,176 C350,156 336,140 344,124 C362,150 352,170 358,190 "
                  "C364,214 350,232 356,256 Z"), "#3DBB6A", 6),
        Region(_p("M270,146 L346,92 Q334,146 346,200 Z"), "#FFB703", 3),
        Region(_p("M168,88 Q196,46 236,70 L226,100 Z"), "#FFB703", 3),
        Region(_p(FISH_BODY), "#FF8C42", 2),
        Region('<clipPath id="body"><path d="%s"/></clipPath>'
               '<g clip-path="url(#body)">%s%s</g>' % (
                   FISH_BODY, _p("M178,80 Q164,146 178,212 L202,212 Q188,146 202,80 Z"),
                   _p("M226,80 Q214,146 226,212 L244,212 Q234,146 244,80 Z")), "#3A86FF", 4),
        Region(_p(FISH_BODY), "none", 4, outline_fill="none"),
        Region(_c(136, 134, 15), "#FFFFFF", 5),
        Region(_c(132, 132, 7), "#26264A", 5),
        Region(_c(300, 60, 9), "#E8F8FF", 7),
        Region(_c(318, 34, 6), "#E8F8FF", 7),
        Region(_c(290, 24, 4), "#E8F8FF", 7),
    ]
    lines = '<path d="M104,160 Q116,170 130,166"/>'
    return regs, lines, 7


def flower():
    regs = [
        Region(_r(0, 0, W, H), "#FFF3B0", 7, stroke=False),
        Region(_p("M194,126 C188,180 204,206 195,236 H207 C214,206 200,180 206,126 Z"), "#3E9B48", 4),
        Region(_p("M200,214 C170,206 150,184 150,166 C176,172 196,188 200,214 Z"), "#4CAF50", 4),
        Region(_p("M202,200 C228,188 250,170 256,150 C228,152 208,170 202,200 Z"), "#4CAF50", 4),
        Region(_p("M146,226 H254 L240,290 H160 Z"), "#D9774B", 5),
        Region(_r(138, 216, 124, 20, 6), "#C4613A", 5),
    ]
    for i in range(6):
        a = i * 60
        regs.append(Region('<ellipse cx="200" cy="62" rx="24" ry="40" fill="{fill}" '
                           'transform="rotate(%d 200 102)"/>' % a, "#FF7EB6", 2))
    regs.append(Region(_c(200, 102, 26), "#FFD23F", 3))
    # a butterfly visiting
    regs += [
        Region(_e(318, 70, 24, 17, -30), "#9B5DE5", 6),
        Region(_e(320, 100, 18, 13, 30), "#9B5DE5", 6),
        Region(_e(350, 66, 24, 17, 30), "#FF8C42", 6),
        Region(_e(348, 96, 18, 13, -30), "#FF8C42", 6),
        Region(_e(334, 84, 6, 24), "#26264A", 6),
    ]
    lines = '<path d="M330,62 Q322,44 312,40 M338,62 Q346,44 356,40"/>'
    return regs, lines, 7


def car():
    regs = [
        Region(_r(0, 0, W, H), "#A9E1FF", 6, stroke=False),
        Region(_c(340, 58, 28), "#FFD23F", 6),
        Region(_r(0, 232, W, 68), "#8D99AE", 5, stroke=False),
        Region(_p("M60,206 C60,170 80,160 110,158 L142,104 C150,92 160,88 176,88 H262 "
                  "C278,88 288,94 298,108 L324,158 C350,160 348,178 348,206 Z"), "#E84855", 2),
        Region(_p("M158,112 Q164,104 176,104 H212 V156 H132 Z"), "#BDE8FF", 3),
        Region(_p("M226,104 H260 Q272,104 280,116 L300,156 H226 Z"), "#BDE8FF", 3),
        Region(_r(324, 170, 22, 14, 4), "#FFE066", 3),
        Region(_r(62, 170, 18, 14, 4), "#FF8C42", 3),
        Region(_c(122, 210, 30), "#3A3A4A", 4),
        Region(_c(122, 210, 12), "#D0D4DC", 4),
        Region(_c(286, 210, 30), "#3A3A4A", 4),
        Region(_c(286, 210, 12), "#D0D4DC", 4),
    ]
    lines = ('<path d="M0,232 H400"/>'
             '<path d="M40,266 H90 M150,266 H200 M260,266 H310 M370,266 H400" stroke="#FFFFFF" '
             'stroke-width="6"/>'
             '<path d="M226,164 V196 M236,170 H250"/>')
    return regs, lines, 6


def rainbow():
    cx, cy = 200, 250
    colours = ["#E84855", "#FF8C42", "#FFD23F", "#6CC24A", "#3A86FF", "#9B5DE5"]
    regs = [Region(_r(0, 0, W, H), "#BDE8FF", 9, stroke=False),
            Region(_c(336, 60, 30), "#FFD23F", 8)]
    outer = 180
    for i, col in enumerate(colours):
        r1, r2 = outer - i * 22, outer - (i + 1) * 22
        d = "M%g,%g A%g,%g 0 0 1 %g,%g L%g,%g A%g,%g 0 0 0 %g,%g Z" % (
            cx - r1, cy, r1, r1, cx + r1, cy, cx + r2, cy, r2, r2, cx - r2, cy)
        regs.append(Region(_p(d), col, 2 + i))
    for x, y in ((14, 262), (282, 262)):
        d = ("M%g,%g a24,24 0 0 1 26,-26 a30,30 0 0 1 54,-2 a24,24 0 0 1 24,28 "
             "a12,12 0 0 1 -4,24 H%g a12,12 0 0 1 0,-24 Z" % (x + 8, y - 20, x + 8))
        regs.append(Region(_p(d), "#FFFFFF", 99))
    lines = ""
    return regs, lines, 9


SERIES = [("house", house), ("fish", fish), ("flower", flower), ("car", car),
          ("rainbow", rainbow)]


def frame_path(root, base, k):
    return os.path.join(root, "gfx", "paint", "%s%02d.png" % (base, k))


def build(root):
    for base, fn in SERIES:
        regs, lines, count = fn()
        for k in range(1, count + 1):
            render_svg(frame_svg(regs, k, lines), frame_path(root, base, k), W, H)


def series_names():
    return [(base, fn()[2]) for base, fn in SERIES]
