# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a freshly built content folder before it replaces the old one:
every file the programs name is there, pictures have the sizes the screens
rely on, sounds have the agreed format, lists point at existing files, and
the whole folder stays small."""

import os
import struct

import catalog
from util import png_size

MAX_BYTES = 20 * 1000 * 1000

FIXED_SIZES = {
    "gfx/splash/splash.png": (800, 600),
    "gfx/menu/selFrame.png": (272, 207),
    "gfx/findimages/selFrame.png": (214, 164),
    "gfx/options/frame.png": (234, 100),
    "gfx/options/about.png": (800, 600),
}
for _k in range(1, 7):
    FIXED_SIZES["gfx/menu/game%02d.png" % _k] = (260, 195)
for _k in range(0, 7):
    FIXED_SIZES["gfx/menu/game%02ds.png" % _k] = (100, 75)

NAMED = [
    "gfx/icons/vimo.ico", "gfx/findimages/hDivider.png", "gfx/findimages/reminder.png",
    "gfx/options/selectedFrame.png", "gfx/options/offCross.png", "sfx/click.wav", "sfx/scan.wav",
    "sfx/findimages/wrong.wav", "music/menu.wav", "data/lang.txt",
    "options/English.opt", "options/Swedish.opt",
] + ["music/intro%d.wav" % k for k in range(1, 7)] + [
    "gfx/buttons/%s.png" % b for b in ("stop", "options", "reset", "about", "musicOn", "soundOn",
                                      "oneContact", "twoContacts", "scanTime", "keyTime")
] + [
    "gfx/options/%s.png" % p for p in (
        "random", "ordered", "useStop", "useEsc", "numPatterns1", "numPatterns2", "numPatterns4",
        "numPatterns8", "numFinds2", "numFinds3", "numFinds4", "speechOn", "speechOff", "textOn",
        "textOff", "capsOn", "capsOff", "speed0", "speed1", "speed2", "contactMode0",
        "contactMode1", "contactMode2", "movie", "findPause")
]

CROSSED = ["gfx/buttons/musicOn.png", "gfx/buttons/soundOn.png", "gfx/options/random.png",
           "gfx/options/ordered.png", "gfx/options/useStop.png", "gfx/options/useEsc.png",
           "gfx/buttons/scanTime.png", "gfx/options/offCross.png"]


def wav_format(path):
    with open(path, "rb") as f:
        head = f.read(44)
    assert head[0:4] == b"RIFF" and head[8:12] == b"WAVE", path
    fmt, channels, rate = struct.unpack("<HHI", head[20:28])
    bits = struct.unpack("<H", head[34:36])[0]
    return fmt, channels, rate, bits


def png_chunks(path):
    with open(path, "rb") as f:
        data = f.read()
    names, pos = [], 8
    while pos + 8 <= len(data):
        size = struct.unpack(">I", data[pos:pos + 4])[0]
        names.append(data[pos + 4:pos + 8].decode("latin-1"))
        pos += 12 + size
    return names


def run(root):
    problems = []

    def need(rel):
        if not os.path.isfile(os.path.join(root, rel)):
            problems.append("missing " + rel)
            return False
        return True

    for rel in NAMED + list(FIXED_SIZES):
        need(rel)
    for rel, size in FIXED_SIZES.items():
        if os.path.isfile(os.path.join(root, rel)) and png_size(os.path.join(root, rel)) != size:
            problems.append("%s is %s, not %s" % (rel, png_size(os.path.join(root, rel)), size))
    for rel in CROSSED:
        if os.path.isfile(os.path.join(root, rel)) and png_size(os.path.join(root, rel)) != (64, 64):
            problems.append(rel + " should be 64 x 64 like the cross drawn over it")
    for n in (1, 2, 4, 8):
        for k in range(4):
            need("sfx/shapes/%d/done%d.wav" % (n, k))
            for i in range(n):
                need("sfx/shapes/%d/step%d_%d.wav" % (n, k, i + 1))
    for folder in ("sfx/sounds", "sfx/findimages/sounds", "sfx/paint"):
        if not os.listdir(os.path.join(root, folder)):
            problems.append(folder + " is empty")
    firsts = [f for f in os.listdir(os.path.join(root, "gfx/paint")) if f.endswith("01.png")]
    if len(firsts) < 4:
        problems.append("fewer than 4 painting series")
    for f in firsts:
        base = f[:-6]
        frames = [g for g in os.listdir(os.path.join(root, "gfx/paint")) if g.startswith(base + "0")]
        if not 5 <= len(frames) <= 9:
            problems.append("painting series %s has %d frames" % (base, len(frames)))
        need("sfx/images/%s.wav" % base)
    for language in catalog.LANGUAGES:
        for name, exercises in catalog.lists_for(language):
            need("data/%s/%s" % (language, name))
        for e in catalog.EXERCISES:
            need("gfx/images/%s.png" % e.id)
            need("sfx/images/%s.wav" % e.id)
            need("speech/%s/%s.wav" % (language, e.id))
        for number in range(1, 7):
            need("speech/%s/menu%d.wav" % (language, number))
            if png_size(os.path.join(root, "gfx/images/%s.png" % e.id)) != (400, 300):
                problems.append("exercise picture %s is not 400 x 300" % e.id)
        need("data/%s/Options/options.txt" % language)
        need("data/%s/Tool/tool.txt" % language)
        need("data/%s/Options/vimo.txt" % language)
        need("data/%s/Tool/editor.txt" % language)
        if language != "English":
            need("data/%s/Options/about.png" % language)
        with open(os.path.join(root, "options/%s.opt" % language), "rb") as f:
            data = f.read()
        if not data.startswith(b"\xef\xbb\xbf") or data.count(b"\r\n") != 50:
            problems.append("options/%s.opt is not 50 CR LF lines with a byte-order mark" % language)
    total = 0
    for d, _, files in os.walk(root):
        for f in files:
            p = os.path.join(d, f)
            total += os.path.getsize(p)
            if f.endswith(".wav"):
                fmt = wav_format(p)
                if fmt != (1, 1, 22050, 16):
                    problems.append("%s has format %s" % (p, fmt))
            if f.endswith(".png") and "tIME" in png_chunks(p):
                problems.append(p + " carries a time stamp")
    if total > MAX_BYTES:
        problems.append("content folder is %.1f MB, more than 20 MB" % (total / 1e6))
    if problems:
        raise SystemExit("content check failed:\n  " + "\n  ".join(problems))
