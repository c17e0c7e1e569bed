# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures of whole screens and screen parts: the splash, the six menu
pictures and their small tab versions, the selection frames, the find-images
divider, the reminder, the about picture (one per language) and the program
icon.

Sizes the programs rely on:
- splash 800 x 600; the game writes a white notice over its bottom band
  (y 530 to 580), so that band is dark.
- menu pictures 260 x 195, exactly the area that answers the pointer; the
  menu selection frame is centred on a menu picture at its own size, so it is
  272 x 207: a 6 pixel band just outside the picture, transparent inside.
- tabs 100 x 75.
- find-images selection frame: drawn 7 pixels up and left of a 200 x 150
  choice, so it is 214 x 164 with a 7 pixel band and a transparent inside.
- divider: 800 pixels wide at x 0; 10 pixels high, so the choices below it sit
  in the middle of the space left (y 427 to 577).
- about picture 800 x 600; the game writes its version line in white at
  y 480, so the picture is dark there, and it puts the stop button at (10, 10).
"""

import math
import os
import random

import catalog
import paint
import pictures
from shapes import (BLUE, GREEN, INK, LIME, ORANGE, PINK, PURPLE, RED, SKY, WHITE, YELLOW,
                    band_frame, circle, ellipse, group, image, line, path, rrect, star, switch,
                    text)
from util import CONVERT, NO_DATES, data_uri, render_svg, run, svg_doc, tmp

MENU_W, MENU_H = 260, 195


def card_uri(ident, w=400, h=300):
    """The exercise picture card (as the game shows it) as a data URI."""
    e = catalog.BY_ID[ident]
    out = tmp(".png")
    pictures.make_card(e.source, out)
    if (w, h) != (400, 300):
        small = tmp(".png")
        run([CONVERT, out, "-resize", "%dx%d!" % (w, h)] + NO_DATES + ["PNG32:" + small])
        out = small
    return data_uri(out)


def art_uri(ident, w, h):
    """The exercise's clip art alone, transparent, fitted into w x h."""
    return data_uri(pictures.fitted(catalog.BY_ID[ident].source, w, h))


def half_card(uri, x, y, w, h, right, clip_id):
    """One half of a picture card, the way the find-images activity shows it."""
    cx = x + w / 2.0 if right else x
    return ('<clipPath id="%s"><rect x="%g" y="%g" width="%g" height="%g"/></clipPath>'
            '<g clip-path="url(#%s)">%s</g>' % (clip_id, cx, y, w / 2.0, h, clip_id,
                                               image(uri, x, y, w, h)))


def menu_card(body, background):
    """A menu picture: rounded card with a white rim around the scene."""
    clip = '<clipPath id="card"><rect x="0" y="0" width="%d" height="%d" rx="16"/></clipPath>' % (
        MENU_W, MENU_H)
    scene = '<g clip-path="url(#card)"><rect width="%d" height="%d" fill="%s"/>%s</g>' % (
        MENU_W, MENU_H, background, body)
    rim = rrect(2.5, 2.5, MENU_W - 5, MENU_H - 5, 14, "none", WHITE, 5)
    rim += rrect(0.75, 0.75, MENU_W - 1.5, MENU_H - 1.5, 16, "none", INK, 1.5)
    return clip + scene + rim


# ----------------------------------------------------------- menu pictures

def menu_rings():
    """Colour rings: rings of bright colours grow one after another from the
    top left, as the activity draws them while the switch is held."""
    colours = [RED, YELLOW, SKY, PINK, LIME, ORANGE, BLUE, "#FFFFFF", GREEN, PURPLE,
               YELLOW, RED, SKY, PINK]
    body = ""
    x, y, w, h = 6.0, 6.0, 12.0, 10.0
    for col in colours:
        body += ellipse(x + w / 2, y + h / 2, w / 2, h / 2, "none", col, 7)
        x += 9.5
        y += 5.5
        w += 17
        h += 15
    body += switch(42, 162, 20, RED, pressed=True, mark="down", arrow=WHITE)
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#14143A"))


def menu_steps():
    """Picture steps: the screen's four places fill one by one, numbered in
    the order they came; the last place still waits for its picture."""
    body = ""
    tiles = [(14, 14), (134, 14), (14, 103), (134, 103)]
    tw, th = 112, 78
    uris = [card_uri(i, 224, 156) for i in ("cat", "car", "apple")]
    for k, (tx, ty) in enumerate(tiles):
        if k < 3:
            body += rrect(tx + 2, ty + 3, tw, th, 6, "#000000", extra='opacity="0.35"')
            body += '<clipPath id="t%d"><rect x="%g" y="%g" width="%g" height="%g" rx="6"/></clipPath>' % (
                k, tx, ty, tw, th)
            body += '<g clip-path="url(#t%d)">%s</g>' % (k, image(uris[k], tx, ty, tw, th))
            body += rrect(tx, ty, tw, th, 6, "none", INK, 1.5)
            body += circle(tx + 12, ty + 12, 10, YELLOW, INK, 1.5)
            body += text(tx + 12, ty + 17.5, str(k + 1), 14, INK)
        else:
            body += rrect(tx + 2, ty + 2, tw - 4, th - 4, 6, "none", WHITE, 2.5,
                          'stroke-dasharray="7 6" opacity="0.8"')
            body += text(tx + tw / 2, ty + th / 2 + 12, "4", 34, WHITE, extra='opacity="0.8"')
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#4D3FA8"))


def menu_find():
    """Find images: the left half of a picture above, and below the divider
    the right halves to choose from, the right one framed."""
    body = ""
    model = card_uri("teddy")
    mx, my, mw, mh = 74, 10, 112, 84
    body += half_card(model, mx, my, mw, mh, False, "m")
    body += rrect(mx + mw / 2.0, my, mw / 2.0, mh, 4, "none", WHITE, 2,
                  'stroke-dasharray="5 4" opacity="0.85"')
    body += text(mx + mw * 0.75, my + mh / 2 + 12, "?", 34, WHITE)
    body += line(12, 106, 248, 106, YELLOW, 3)
    choices = [("car", 14), ("teddy", 94), ("apple", 174)]
    cw, ch = 72, 54
    for k, (ident, cx) in enumerate(choices):
        body += half_card(card_uri(ident), cx, 122, cw, ch, True, "c%d" % k)
    # the selection frame around the right answer, and a pointer on it
    body += rrect(94 - 4, 122 - 4, cw + 8, ch + 8, 5, "none", YELLOW, 4)
    hx, hy = 142, 158
    body += path("M%g,%g l0,24 l6,-6 l5,11 l5,-2 l-5,-11 l8,0 z" % (hx, hy), WHITE, INK, 1.8)
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#101018"))


def menu_paint():
    """Painting: a colouring-book picture half coloured, with a brush."""
    regs, lines, count = paint.flower()
    frame = tmp(".png")
    render_svg(paint.frame_svg(regs, 4, lines), frame, 400, 300)
    body = rrect(28, 20, 180, 135, 4, "#000000", extra='opacity="0.3"')
    body += image(data_uri(frame), 24, 16, 180, 135)
    # a paint brush with wet paint
    brush = rrect(-5, -48, 10, 58, 4, "#C98B4B", INK, 1.8)
    brush += rrect(-7, 8, 14, 12, 2, "#C9CFDB", INK, 1.8)
    brush += path("M-7,20 Q-9,34 0,44 Q9,34 7,20 Z", PINK, INK, 1.8)
    body += group(brush, "translate(206 128) rotate(35)")
    body += path("M178,168 q10,-12 22,-2 q12,10 26,-4", "none", PINK, 6)
    for k, col in enumerate([RED, YELLOW, GREEN, BLUE]):
        body += circle(226 + (k % 2) * 18, 30 + (k // 2) * 22, 8, col, INK, 1.5)
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#BC3FFD"))


def menu_word():
    """Picture and word: a picture with its word written large below it and
    the word spoken."""
    body = rrect(58, 12, 144, 108, 6, "#000000", extra='opacity="0.3"')
    body += image(card_uri("tiger", 288, 216), 54, 8, 144, 108)
    body += rrect(54, 8, 144, 108, 4, "none", INK, 1.5)
    body += text(126, 168, "tiger", 44, INK, stroke=WHITE, sw=6)
    # the loudspeaker saying it
    sp = ""
    sp += path("M0,-7 h9 l11,-10 v34 l-11,-10 h-9 z", INK, INK, 1)
    for i in range(3):
        r = 12 + 7 * i
        sp += path("M%g,%g A%g,%g 0 0 1 %g,%g" % (
            18 + r * math.cos(math.radians(-40)), r * math.sin(math.radians(-40)), r, r,
            18 + r * math.cos(math.radians(40)), r * math.sin(math.radians(40))), "none", INK, 3)
    body += group(sp, "translate(208 54)")
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#BC3FFD"))


def menu_move():
    """Moving pictures: a picture gliding across the screen, leaving a trail."""
    uri = card_uri("aeroplane", 240, 180)
    body = ""
    for k, op in enumerate([0.18, 0.35]):
        body += image(uri, 10 + k * 40, 70 - k * 14, 120, 90, 'opacity="%g"' % op)
    body += rrect(94, 46, 120, 90, 4, "#000000", extra='opacity="0.3"')
    body += image(uri, 90, 42, 120, 90)
    body += rrect(90, 42, 120, 90, 4, "none", INK, 1.5)
    for k in range(3):
        y = 70 + k * 18
        body += line(20 + k * 8, y + 40, 70 + k * 8, y + 40 - 16, WHITE, 4, 'opacity="0.85"')
    body += path("M214,60 L246,38", "none", WHITE, 5)
    body += path("M232,34 L250,35 L244,52", "none", WHITE, 5)
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#3FCEFD"))


def menu_settings():
    """Tab picture of the menu's own settings: the six menu places."""
    body = ""
    cols = [PURPLE, YELLOW, "#333344", PINK, PURPLE, SKY]
    for k in range(6):
        x = 22 + (k % 3) * 74
        y = 30 + (k // 3) * 74
        body += rrect(x, y, 66, 56, 8, cols[k], WHITE, 3)
    body += circle(36, 15, 0, WHITE)
    return svg_doc(MENU_W, MENU_H, menu_card(body, "#2236AA"))


def sel_frame_menu():
    return svg_doc(272, 207, band_frame(272, 207, 6, YELLOW, 9))


def sel_frame_find():
    return svg_doc(214, 164, band_frame(214, 164, 7, YELLOW, 9))


def divider():
    body = ""
    stops = "".join('<stop offset="%g" stop-color="%s"/>' % (i / 6.0, c)
                    for i, c in enumerate([RED, ORANGE, YELLOW, LIME, SKY, BLUE, PURPLE]))
    body += '<linearGradient id="g" x1="0" x2="1" y1="0" y2="0">%s</linearGradient>' % stops
    body += rrect(4, 2, 792, 6, 3, "url(#g)")
    return svg_doc(800, 10, body)


def reminder():
    """Shown after a while without a press: press your switch!"""
    w, h = 320, 240
    body = rrect(6, 10, w - 12, h - 14, 28, "#000000", extra='opacity="0.3"')
    body += rrect(4, 4, w - 12, h - 14, 28, "#FFF8E1", INK, 4)
    for k in range(3):
        r = 70 + k * 22
        body += path("M%g,%g A%g,%g 0 0 1 %g,%g" % (160 - r * 0.9, 190 - r * 0.35, r, r * 0.55,
                                                   160 + r * 0.9, 190 - r * 0.35),
                     "none", [YELLOW, ORANGE, PINK][k], 7)
    body += switch(160, 168, 58, RED, pressed=False)
    # a big arrow bouncing down onto the switch
    body += path("M136,20 h48 v42 h26 l-50,44 l-50,-44 h26 z", GREEN, INK, 4)
    body += star(48, 60, 18, YELLOW, INK, 2.5)
    body += star(272, 52, 14, PINK, INK, 2.5)
    body += star(276, 150, 10, SKY, INK, 2)
    return svg_doc(w, h, body)


def bubble_title(x, y, word, size, colours):
    """A word in round letters, each its own colour, thickly outlined."""
    spans = "".join('<tspan fill="%s">%s</tspan>' % (colours[k % len(colours)], ch)
                    for k, ch in enumerate(word))
    return ('<text x="%g" y="%g" font-family="Comic Neue" font-size="%g" font-weight="bold" '
            'text-anchor="middle" letter-spacing="%g" stroke="%s" stroke-width="%g" '
            'paint-order="stroke" stroke-linejoin="round">%s</text>' % (
                x, y, size, size * 0.04, INK, size * 0.09, spans))


def splash():
    body = ('<linearGradient id="sky" x1="0" x2="0" y1="0" y2="1">'
            '<stop offset="0" stop-color="#4CC9F0"/><stop offset="1" stop-color="#CFF2FF"/>'
            '</linearGradient>')
    body += '<rect width="800" height="600" fill="url(#sky)"/>'
    # sun and clouds
    for i in range(12):
        a = math.radians(i * 30)
        body += line(690 + 62 * math.cos(a), 92 + 62 * math.sin(a), 690 + 84 * math.cos(a),
                     92 + 84 * math.sin(a), YELLOW, 8)
    body += circle(690, 92, 50, YELLOW, INK, 4)
    body += circle(674, 84, 5, INK) + circle(706, 84, 5, INK)
    body += path("M668,104 Q690,122 712,104", "none", INK, 4)
    for cx, cy, s in ((120, 90, 1.0), (420, 60, 0.7)):
        cl = ("M-60,20 a30,30 0 0 1 20,-42 a40,40 0 0 1 70,-8 a32,32 0 0 1 40,30 "
              "a20,20 0 0 1 -10,40 H-50 a20,20 0 0 1 -10,-20 z")
        body += group(path(cl, WHITE, INK, 3), "translate(%g %g) scale(%g)" % (cx, cy, s))
    # hills
    body += path("M0,420 Q200,340 420,410 T800,380 V600 H0 Z", "#8BD45E", INK, 4)
    body += path("M0,470 Q260,420 520,470 T800,455 V600 H0 Z", "#5DBB46", INK, 4)
    # friends on the hill
    friends = [("cat", 60, 360, 150, 120), ("dog", 200, 372, 150, 112), ("duck", 520, 372, 130, 104),
               ("hen", 642, 352, 120, 120)]
    for ident, x, y, w, h in friends:
        body += image(art_uri(ident, w * 2, h * 2), x, y, w, h)
    body += bubble_title(400, 300, "VIMO", 190, [RED, ORANGE, GREEN, BLUE])
    # the dark band that carries the notice
    body += path("M0,520 H800 V600 H0 Z", "#2236AA")
    body += line(0, 520, 800, 520, INK, 4)
    return svg_doc(800, 600, body)


# The words of the about picture: two lines on the game, three credits, the
# licence. Every language's picture names the licence as the English one does.
ABOUT = {
    "English": (
        ["A picture and sound game for young children,",
         "played with a mouse, the keyboard or one or two switches."],
        ["Pictures: public-domain clip art from Openclipart",
         "Speech: eSpeak NG",
         "Sounds and music: made with SoX"],
        "Free software: GNU GPL version 3 or later (GPL-3.0-or-later)",
    ),
    "Swedish": (
        ["Ett bild- och ljudspel för små barn,",
         "att spela med mus, tangentbord eller en eller två kontakter."],
        ["Bilder: fri clipart (public domain) från Openclipart",
         "Tal: eSpeak NG",
         "Ljud och musik: gjorda med SoX"],
        "Fri programvara: GNU GPL version 3 eller senare (GPL-3.0-or-later)",
    ),
}


def about(language="English"):
    lines, credits, licence = ABOUT[language]
    body = '<rect width="800" height="600" fill="#2236AA"/>'
    stars = ""
    rnd = random.Random(1977)
    for i in range(40):
        stars += star(rnd.uniform(20, 780), rnd.uniform(20, 580), rnd.uniform(3, 7),
                      WHITE, "none", 0)
    body += '<g opacity="0.35">%s</g>' % stars
    body += bubble_title(400, 170, "VIMO", 130, [RED, ORANGE, GREEN, SKY])
    y = 240
    for s in lines:
        body += text(400, y, s, 26, WHITE)
        y += 36
    y = 340
    for s in credits:
        body += text(400, y, s, 20, "#CFE3FF", weight="normal")
        y += 30
    body += text(400, 445, licence, 20, WHITE, weight="normal")
    # a row of small friends above the version line
    for k, ident in enumerate(["ball", "teddy", "duck", "car", "apple"]):
        body += image(art_uri(ident, 120, 100), 130 + k * 110, 540, 100, 50)
    body += rrect(260, 472, 280, 44, 22, "#14206A")
    return svg_doc(800, 600, body)


def icon_svg():
    body = ('<linearGradient id="bg" x1="0" x2="0" y1="0" y2="1">'
            '<stop offset="0" stop-color="#4CC9F0"/><stop offset="1" stop-color="#3A56D4"/>'
            '</linearGradient>')
    body += rrect(8, 8, 240, 240, 52, "url(#bg)", INK, 10)
    for k, col in enumerate([RED, YELLOW, GREEN]):
        r = 92 - k * 24
        body += circle(128, 128, r, "none", col, 18)
    body += text(128, 168, "V", 120, WHITE, stroke=INK, sw=10)
    return svg_doc(256, 256, body)


def build(root):
    g = os.path.join(root, "gfx")
    menu = [menu_settings, menu_rings, menu_steps, menu_find, menu_paint, menu_word, menu_move]
    for k, fn in enumerate(menu):
        svg = fn()
        if k:
            render_svg(svg, os.path.join(g, "menu", "game%02d.png" % k), MENU_W, MENU_H)
        render_svg(svg, os.path.join(g, "menu", "game%02ds.png" % k), 100, 75)
    render_svg(sel_frame_menu(), os.path.join(g, "menu", "selFrame.png"), 272, 207)
    render_svg(sel_frame_find(), os.path.join(g, "findimages", "selFrame.png"), 214, 164)
    render_svg(divider(), os.path.join(g, "findimages", "hDivider.png"), 800, 10)
    render_svg(reminder(), os.path.join(g, "findimages", "reminder.png"), 320, 240)
    render_svg(splash(), os.path.join(g, "splash", "splash.png"), 800, 600)
    render_svg(about(), os.path.join(g, "options", "about.png"), 800, 600)
    # The other languages' own about pictures, which the game takes over the English one.
    for language in catalog.LANGUAGES:
        if language != "English":
            render_svg(about(language),
                       os.path.join(root, "data", language, "Options", "about.png"), 800, 600)
    make_icon(os.path.join(g, "icons", "vimo.ico"))


def make_icon(out):
    from util import ensure_dir
    ensure_dir(out)
    sizes = [16, 24, 32, 48, 64, 128, 256]
    parts = []
    for s in sizes:
        p = tmp(".png")
        render_svg(icon_svg(), p, s, s)
        parts.append(p)
    run([CONVERT] + parts + NO_DATES + [out])
