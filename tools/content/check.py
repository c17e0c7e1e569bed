# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a content folder: a freshly built one before it replaces the old
one, and the committed one as a data check of scripts/test. Every file the
programs name is there, pictures have the sizes the screens rely on, sounds
have the agreed format, lists and starting settings point at existing files,
each language's text files have a line for every text the programs hold
(keeping its %1, %2 ...), and the whole folder stays small.

    check.py [CONTENT_DIR]     (default: content/ of this repository)"""

import os
import re
import struct
import sys

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


REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BOM = b"\xef\xbb\xbf"
# The colours of the list editor's palette as the lists hold them; the last means no colour.
PALETTE = {catalog.WHITE, catalog.BLACK, catalog.TURQUOISE, catalog.LIGHT_BLUE, catalog.BLUE,
           catalog.DARK_BLUE, catalog.PALE_YELLOW_GREEN, catalog.LIGHT_GREEN, catalog.GREEN,
           catalog.GRASS_GREEN, catalog.DARK_GREEN, catalog.YELLOW, catalog.ORANGE,
           catalog.RED_ORANGE, catalog.RED, catalog.PINK, catalog.MAGENTA, catalog.VIOLET,
           catalog.NO_COLOUR}


def text_lines(path):
    """The lines of a text file written as the programs write them (UTF-8, mark, CR LF)."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(BOM):
        data = data[len(BOM):]
    lines = data.decode("utf-8").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def cpp_strings(block):
    """The entries of a C++ initialiser of u"..." literals: adjacent literals join, comments go."""
    entries, current, i = [], None, 0
    while i < len(block):
        c = block[i]
        if block.startswith("//", i):
            i = block.find("\n", i) if "\n" in block[i:] else len(block)
        elif c == '"':
            i += 1
            current = current or ""
            while block[i] != '"':
                if block[i] == "\\":
                    if block[i + 1] == "u":
                        current += chr(int(block[i + 2:i + 6], 16))
                        i += 6
                        continue
                    current += {"n": "\n", "t": "\t"}.get(block[i + 1], block[i + 1])
                    i += 2
                    continue
                current += block[i]
                i += 1
            i += 1
        elif c == ",":
            entries.append(current)
            current = None
            i += 1
        else:
            i += 1
    if current is not None:
        entries.append(current)
    return entries


def built_in_texts(header, names_header=None):
    """The enum Text names and the kEnglish texts of a texts class in the program sources; the
    names may stand in a header of their own."""
    source = ""
    for name in (names_header, header):
        if name:
            with open(os.path.join(REPO, name), encoding="utf-8") as f:
                source += f.read()
    names = re.sub(r"//[^\n]*", "", re.search(r"enum Text \{(.*?)\};", source, re.S).group(1))
    names = [n.strip() for n in names.split(",") if n.strip()]
    english = cpp_strings(re.search(r"kEnglish = \{(.*?)\n    \};", source, re.S).group(1))
    return names[:names.index("Count")], english


def check_texts(root, language, problems):
    """Each language file of the programs' texts holds one line per text, with its %n."""
    game = built_in_texts("game/content/GameTexts.h")
    editor = built_in_texts("editor/texts/EditorTexts.h", "editor/texts/EditorTextNames.h")
    tool_texts = editor[0].index("ListGone")
    for rel, english in (("data/%s/Options/vimo.txt" % language, game[1]),
                         ("data/%s/Tool/editor.txt" % language, editor[1][tool_texts:])):
        lines = text_lines(os.path.join(root, rel))
        if len(lines) != len(english):
            problems.append("%s has %d lines for %d texts" % (rel, len(lines), len(english)))
        for number, (line, text) in enumerate(zip(lines, english), 1):
            lost = set(re.findall(r"%\d", text)) - set(re.findall(r"%\d", line))
            if not line or lost:
                problems.append("%s line %d is empty or lacks %s" % (rel, number, sorted(lost)))
            elif language == "English" and line != text:
                problems.append("%s line %d differs from the built-in text" % (rel, number))
    tool = text_lines(os.path.join(root, "data/%s/Tool/tool.txt" % language))
    if len(tool) != tool_texts or not tool[6].startswith(" ") or not tool[8].endswith(" ") \
            or not tool[12].endswith(" "):
        problems.append("data/%s/Tool/tool.txt needs %d lines, a blank before None and after the "
                        "question and message" % (language, tool_texts))
    help_lines = text_lines(os.path.join(root, "data/%s/Options/options.txt" % language))
    if len(help_lines) != 23 or "" in help_lines:
        problems.append("data/%s/Options/options.txt needs 23 lines, none empty" % language)


def check_lists(root, language, problems):
    """Every list reads as six lines an exercise and names files that exist; the settings play
    lists that exist."""
    folder = os.path.join(root, "data", language)
    colours = set()
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        lines = text_lines(path)
        if not lines or len(lines) % 6 != 0:
            problems.append("list %s/%s is not six lines an exercise" % (language, name))
            continue
        for at in range(0, len(lines), 6):
            word, image, sound, speech, text, colour = lines[at:at + 6]
            where = "list %s/%s, %s" % (language, name, word)
            for rel in ("gfx/images/" + image, "sfx/images/" + sound,
                        "speech/%s/%s" % (language, speech)):
                if not os.path.isfile(os.path.join(root, rel)):
                    problems.append("%s names %s, which is missing" % (where, rel))
            if not word or not text or int(colour) not in PALETTE:
                problems.append("%s has no name, no text or a colour off the palette" % where)
            colours.add(int(colour) == catalog.NO_COLOUR)
    if colours != {True, False}:
        problems.append("the %s lists need exercises with and without a colour" % language)
    settings = text_lines(os.path.join(root, "options/%s.opt" % language))
    for screen in range(7):
        listed = settings[15 + 5 * screen + 4] if len(settings) == 50 else ""
        if not os.path.isfile(os.path.join(folder, listed)):
            problems.append("options/%s.opt plays the missing list %r" % (language, listed))


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
            need("speech/%s/menu/menu%d.wav" % (language, number))
            if png_size(os.path.join(root, "gfx/images/%s.png" % e.id)) != (400, 300):
                problems.append("exercise picture %s is not 400 x 300" % e.id)
        need("data/%s/vimo" % language)
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
        check_texts(root, language, problems)
        check_lists(root, language, problems)
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


if __name__ == "__main__":
    run(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "content")))
    print("content check passed")
