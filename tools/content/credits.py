# SPDX-License-Identifier: GPL-3.0-or-later
"""content/CREDITS.md: where every file of the content folder comes from and
under which terms."""

import os
import subprocess

import catalog
import paint


def package_version(name):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
        return out.stdout.decode().strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def build(root):
    v = {p: package_version(p) for p in ("openclipart-svg", "espeak-ng", "sox", "librsvg2-bin",
                                         "imagemagick", "pngquant", "fonts-comic-neue")}
    lines = [
        "# Credits",
        "",
        "Everything in this folder is made by `tools/make-content` from the sources below;",
        "run it again to rebuild the folder.",
        "",
        "## Exercise pictures (`gfx/images/`)",
        "",
        "Clip art from the Openclipart collection as packaged by Debian in `openclipart-svg`",
        "(version %s), dedicated to the public domain by its authors (Creative Commons" % v["openclipart-svg"],
        "Public Domain Dedication, see `/usr/share/doc/openclipart-svg/copyright`). Each",
        "drawing was trimmed, scaled and placed on a plain card. The same clip art appears",
        "small in the splash, menu and about pictures.",
        "",
        "| picture | source file under `/usr/share/openclipart/svg/` |",
        "|---|---|",
    ]
    for e in catalog.EXERCISES:
        lines.append("| `%s.png` | `%s` |" % (e.id, e.source))
    lines += [
        "",
        "## Drawn pictures",
        "",
        "The splash, menu and tab pictures, buttons, options screen pictures, selection",
        "frames, divider, about pictures (`gfx/options/about.png`, and each other",
        "language's `data/<language>/Options/about.png`), reminder, icon and the painting series in",
        "`gfx/paint/` are drawn as SVG by `tools/content/`:",
        "",
    ] + ["- %s: %d frames" % (b, n) for b, n in paint.series_names()] + [
        "",
        "They are rendered with `rsvg-convert` (librsvg2-bin %s), ImageMagick" % v["librsvg2-bin"],
        "(%s) and pngquant (%s), are part of this project and are under" % (
            v["imagemagick"], v["pngquant"]),
        "the same terms as the rest of this repository. Lettering uses the font Comic Neue",
        "(`fonts-comic-neue` %s), SIL Open Font License 1.1." % v["fonts-comic-neue"],
        "",
        "## Sounds and music (`sfx/`, `music/`)",
        "",
        "Synthesised with SoX (`sox` %s): tones, noise and filters; the tunes are" % v["sox"],
        "composed for this project. Animal calls, the \"mmm\" of some food sounds and the",
        "praise words in `sfx/findimages/sounds/` are spoken by eSpeak NG and then shaped",
        "with SoX. Same terms as the rest of this repository.",
        "",
        "## Speech (`speech/English/`, `speech/Swedish/`)",
        "",
        "Each exercise's word, and each activity's name for the menu, spoken by eSpeak NG",
        "(`espeak-ng` %s, GPL-3.0-or-later program) with its British English and" % v["espeak-ng"],
        "Swedish voices; the recordings are the program's output.",
        "",
        "## Texts (`data/`, `options/`)",
        "",
        "Content lists, help lines, the game's and the editor's texts and starting settings are written by",
        "`tools/content/texts.py`; same terms as the rest of this repository.",
        "",
    ]
    with open(os.path.join(root, "CREDITS.md"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))
