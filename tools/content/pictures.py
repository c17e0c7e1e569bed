# SPDX-License-Identifier: GPL-3.0-or-later
"""Exercise pictures: public-domain clip art, trimmed to its drawing and
centred on a plain warm-white card of 400 x 300 pixels (4:3), so that every
picture reads clearly on any background colour and fills the picture slots
of the activities (400 x 300, 200 x 150, 600 x 450) without distortion."""

import os

import catalog
from util import CONVERT, NO_DATES, finish_png, run, tmp

CARD_W, CARD_H = 400, 300
CARD_COLOUR = "#FFFDF6"

_trimmed = {}


def trimmed(source):
    """The clip art rendered large with a transparent background and cut to
    the bounding box of its drawing (cached per source file)."""
    if source in _trimmed:
        return _trimmed[source]
    path = os.path.join(catalog.CLIPART, source)
    big = tmp(".png")
    run(["rsvg-convert", "-w", 1200, "--keep-aspect-ratio", path, "-o", big])
    cut = tmp(".png")
    run([CONVERT, big, "-fuzz", "1%", "-trim", "+repage"] + NO_DATES + ["PNG32:" + cut])
    _trimmed[source] = cut
    return cut


def fitted(source, width, height):
    """The trimmed clip art scaled to fit inside width x height."""
    out = tmp(".png")
    run([CONVERT, trimmed(source), "-filter", "Lanczos", "-resize",
         "%dx%d" % (width, height)] + NO_DATES + ["PNG32:" + out])
    return out


def make_card(source, out_png):
    art = fitted(source, CARD_W - 48, CARD_H - 40)
    raw = tmp(".png")
    run([CONVERT, "-size", "%dx%d" % (CARD_W, CARD_H), "xc:" + CARD_COLOUR, art,
         "-gravity", "center", "-composite", "-alpha", "off"] + NO_DATES + ["PNG24:" + raw])
    finish_png(raw, out_png)


def build(root):
    for e in catalog.EXERCISES:
        make_card(e.source, os.path.join(root, "gfx", "images", e.id + ".png"))
