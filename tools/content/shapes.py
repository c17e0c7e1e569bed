# SPDX-License-Identifier: GPL-3.0-or-later
"""Small SVG building blocks shared by the drawn pictures: colours, switches,
badges, rounded frames and text."""

import math

from util import esc

INK = "#26264A"        # outline colour of all drawn pictures
FONT = "Comic Neue"

YELLOW = "#FFD23F"
ORANGE = "#FF8C42"
RED = "#E84855"
PINK = "#FF7EB6"
PURPLE = "#9B5DE5"
BLUE = "#3A86FF"
SKY = "#4CC9F0"
GREEN = "#2DC26B"
LIME = "#8AC926"
WHITE = "#FFFFFF"
GREY = "#9AA3B5"

RAINBOW = [RED, ORANGE, YELLOW, LIME, GREEN, SKY, BLUE, PURPLE, PINK]


def rrect(x, y, w, h, r, fill="none", stroke=None, sw=0, extra=""):
    s = '<rect x="%g" y="%g" width="%g" height="%g" rx="%g" ry="%g" fill="%s"' % (
        x, y, w, h, r, r, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%g"' % (stroke, sw)
    return s + " %s/>" % extra


def circle(cx, cy, r, fill="none", stroke=None, sw=0, extra=""):
    s = '<circle cx="%g" cy="%g" r="%g" fill="%s"' % (cx, cy, r, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%g"' % (stroke, sw)
    return s + " %s/>" % extra


def ellipse(cx, cy, rx, ry, fill="none", stroke=None, sw=0, extra=""):
    s = '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" fill="%s"' % (cx, cy, rx, ry, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%g"' % (stroke, sw)
    return s + " %s/>" % extra


def path(d, fill="none", stroke=None, sw=0, extra=""):
    s = '<path d="%s" fill="%s"' % (d, fill)
    if stroke:
        s += ' stroke="%s" stroke-width="%g" stroke-linecap="round" stroke-linejoin="round"' % (
            stroke, sw)
    return s + " %s/>" % extra


def line(x1, y1, x2, y2, stroke, sw, extra=""):
    return ('<line x1="%g" y1="%g" x2="%g" y2="%g" stroke="%s" stroke-width="%g" '
            'stroke-linecap="round" %s/>' % (x1, y1, x2, y2, stroke, sw, extra))


def text(x, y, s, size, fill=INK, weight="bold", anchor="middle", stroke=None, sw=0,
         extra=""):
    st = ""
    if stroke:
        st = ' stroke="%s" stroke-width="%g" paint-order="stroke" stroke-linejoin="round"' % (
            stroke, sw)
    return ('<text x="%g" y="%g" font-family="%s" font-size="%g" font-weight="%s" '
            'text-anchor="%s" fill="%s"%s %s>%s</text>' % (
                x, y, FONT, size, weight, anchor, fill, st, extra, esc(s)))


def group(body, transform=None, extra=""):
    t = ' transform="%s"' % transform if transform else ""
    return "<g%s %s>%s</g>" % (t, extra, body)


def image(href, x, y, w, h, extra=""):
    return ('<image x="%g" y="%g" width="%g" height="%g" xlink:href="%s" '
            'preserveAspectRatio="xMidYMid meet" %s/>' % (x, y, w, h, href, extra))


def switch(cx, cy, r, colour, pressed=False, mark=None, arrow=INK):
    """An accessibility switch: a big round button on a dark base, seen from
    slightly above. mark: None, 'down' (held), 'one' (a single press),
    'next' (an arrow), 'ok' (a tick)."""
    lift = r * (0.10 if pressed else 0.28)
    out = ellipse(cx, cy + r * 0.30, r * 1.12, r * 0.62, "#4A4F63", INK, r * 0.08)
    out += ellipse(cx, cy + r * 0.30 - lift * 0.3, r, r * 0.50, _darker(colour), INK, r * 0.06)
    out += ellipse(cx, cy - lift, r * 0.98, r * 0.50, colour, INK, r * 0.07)
    out += ellipse(cx - r * 0.30, cy - lift - r * 0.16, r * 0.32, r * 0.11, "#FFFFFF",
                   extra='opacity="0.55"')
    if mark == "one":
        out += text(cx, cy - lift + r * 0.30, "1", r * 0.85, WHITE, stroke=INK, sw=r * 0.10)
    elif mark == "next":
        s = r * 0.32
        out += path("M%g,%g l%g,0 l0,%g l%g,%g l%g,%g l0,%g l%g,0 z" % (
            cx - s * 1.0, cy - lift - s * 0.25, s * 0.9, -s * 0.35, s * 0.8, s * 0.6,
            -s * 0.8, s * 0.6, -s * 0.35, -s * 0.9), WHITE, INK, r * 0.05)
    elif mark == "ok":
        s = r * 0.30
        out += path("M%g,%g l%g,%g l%g,%g" % (cx - s * 1.1, cy - lift, s * 0.8, s * 0.6,
                                              s * 1.4, -s * 1.0), "none", WHITE, r * 0.16)
    if mark == "down" or (pressed and mark is None):
        a = r * 0.75
        tip = cy - lift - r * 0.62
        out += line(cx, tip - a * 1.35, cx, tip - a * 0.3, arrow, r * 0.2)
        out += path("M%g,%g L%g,%g L%g,%g Z" % (cx - a * 0.5, tip - a * 0.55, cx + a * 0.5,
                                               tip - a * 0.55, cx, tip), arrow, arrow, r * 0.08)
    return out


def _darker(hexcol, f=0.72):
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r * f), int(g * f), int(b * f))


def darker(hexcol, f=0.72):
    return _darker(hexcol, f)


def lighter(hexcol, f=0.5):
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02X%02X%02X" % (int(r + (255 - r) * f), int(g + (255 - g) * f),
                             int(b + (255 - b) * f))


def band_frame(w, h, band, colour, radius, inner_line=None):
    """A frame band of the given width around a transparent w-2band x
    h-2band inside, with rounded outer corners."""
    d = ("M%g,0 H%g A%g,%g 0 0 1 %g,%g V%g A%g,%g 0 0 1 %g,%g H%g A%g,%g 0 0 1 0,%g V%g "
         "A%g,%g 0 0 1 %g,0 Z" % (
             radius, w - radius, radius, radius, w, radius, h - radius, radius, radius,
             w - radius, h, radius, radius, radius, h - radius, radius, radius, radius, radius))
    d += " M%g,%g V%g H%g V%g Z" % (band, band, h - band, w - band, band)
    out = path(d, colour, extra='fill-rule="evenodd"')
    # dark edges outside and inside so the band reads on any background
    out += rrect(0.75, 0.75, w - 1.5, h - 1.5, radius, "none", INK, 1.5)
    out += '<rect x="%g" y="%g" width="%g" height="%g" fill="none" stroke="%s" stroke-width="1.5"/>' % (
        band - 0.75, band - 0.75, w - 2 * band + 1.5, h - 2 * band + 1.5, inner_line or INK)
    return out


def star(cx, cy, r, fill, stroke=INK, sw=1.5, points=5, inner=0.45, rot=-90):
    pts = []
    for i in range(points * 2):
        rad = r if i % 2 == 0 else r * inner
        a = math.radians(rot + i * 180.0 / points)
        pts.append("%.2f,%.2f" % (cx + rad * math.cos(a), cy + rad * math.sin(a)))
    return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%g" stroke-linejoin="round"/>' % (
        " ".join(pts), fill, stroke, sw)


def note_glyph(x, y, s, fill=INK):
    """Two beamed musical notes, x,y at the lower left head, s the size."""
    out = ellipse(x, y, s * 0.30, s * 0.22, fill, extra='transform="rotate(-20 %g %g)"' % (x, y))
    out += ellipse(x + s * 0.8, y - s * 0.2, s * 0.30, s * 0.22, fill,
                   extra='transform="rotate(-20 %g %g)"' % (x + s * 0.8, y - s * 0.2))
    out += line(x + s * 0.26, y - s * 0.05, x + s * 0.26, y - s * 1.0, fill, s * 0.09)
    out += line(x + s * 1.06, y - s * 0.25, x + s * 1.06, y - s * 1.2, fill, s * 0.09)
    out += path("M%g,%g L%g,%g L%g,%g L%g,%g Z" % (
        x + s * 0.22, y - s * 1.0, x + s * 1.1, y - s * 1.2, x + s * 1.1, y - s * 0.98,
        x + s * 0.22, y - s * 0.78), fill)
    return out
