# SPDX-License-Identifier: GPL-3.0-or-later
"""Shared helpers of the content generator: running tools, rendering SVG to
PNG, shrinking PNGs, and the low-level sound commands built on sox.

Everything here is deterministic: the same inputs give byte-identical files
(no time stamps in PNG files, sox in repeatable mode)."""

import base64
import os
import re
import shutil
import subprocess

SAMPLE_RATE = 22050

# Folder for intermediate files of one run; set by main.
WORK = None


def run(cmd, **kw):
    """Runs a command and fails loudly with its output when it fails."""
    cmd = [str(c) for c in cmd]
    res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)
    if res.returncode != 0:
        raise RuntimeError("command failed: %s\n%s%s" % (
            " ".join(cmd), res.stdout.decode(errors="replace"),
            res.stderr.decode(errors="replace")))
    return res.stdout.decode(errors="replace") + res.stderr.decode(errors="replace")


_counter = [0]


def tmp(suffix):
    """A fresh file name in the work folder."""
    _counter[0] += 1
    return os.path.join(WORK, "t%06d%s" % (_counter[0], suffix))


def ensure_dir(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)


# ---------------------------------------------------------------- pictures

CONVERT = "/usr/bin/convert"   # the real ImageMagick, not a stand-in earlier on PATH
NO_DATES = ["-define", "png:exclude-chunks=date,time,tIME,tEXt,zTXt,iTXt", "-strip"]


def render_svg(svg_text, out_png, width, height):
    """Renders SVG source to a PNG of exactly width x height pixels."""
    src = tmp(".svg")
    with open(src, "w", encoding="utf-8") as f:
        f.write(svg_text)
    raw = tmp(".png")
    run(["rsvg-convert", "-w", width, "-h", height, src, "-o", raw])
    finish_png(raw, out_png)


def finish_png(raw, out_png, colours=True):
    """Writes the final PNG: metadata stripped, palette-reduced where that
    keeps the picture looking the same, so the folder stays small."""
    ensure_dir(out_png)
    clean = tmp(".png")
    run([CONVERT, raw] + NO_DATES + ["PNG32:" + clean])
    if colours:
        quant = tmp(".png")
        res = subprocess.run(["pngquant", "--quality=75-100", "--speed", "1", "--strip",
                              "--force", "--output", quant, clean],
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if res.returncode == 0 and os.path.getsize(quant) < os.path.getsize(clean):
            clean = quant
    shutil.copyfile(clean, out_png)


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def data_uri(png_path):
    with open(png_path, "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode("ascii")


def svg_doc(width, height, body, background=None):
    bg = ""
    if background:
        bg = '<rect width="%d" height="%d" fill="%s"/>' % (width, height, background)
    return ('<svg xmlns="http://www.w3.org/2000/svg" '
            'xmlns:xlink="http://www.w3.org/1999/xlink" '
            'width="%d" height="%d" viewBox="0 0 %d %d">%s%s</svg>'
            % (width, height, width, height, bg, body))


def esc(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


# ------------------------------------------------------------------ sounds

def sox(*args):
    """sox in repeatable mode (fixed seeds for noise), quiet."""
    return run(["sox", "-R", "-V1"] + [str(a) for a in args])


def synth(out, dur, *expr):
    """Creates out from a synth expression followed by effects."""
    sox("-n", "-r", SAMPLE_RATE, "-c", 1, "-b", 16, out, "synth", "%.4f" % dur, *expr)
    return out


def silence(out, dur):
    sox("-n", "-r", SAMPLE_RATE, "-c", 1, "-b", 16, out, "trim", 0, "%.4f" % dur)
    return out


def concat(out, *parts):
    sox(*parts, out)
    return out


def mix(out, *parts, volumes=None):
    """Mixes files; each part may be (file, delay seconds)."""
    args = []
    for i, p in enumerate(parts):
        f, delay = (p if isinstance(p, tuple) else (p, 0.0))
        if delay:
            shifted = tmp(".wav")
            sox(f, shifted, "pad", "%.4f" % delay)
            f = shifted
        if volumes:
            # scaled by the number of parts, as sox does by itself without volumes,
            # so that the mix cannot clip
            args += ["-v", "%.4f" % (volumes[i] / len(parts))]
        args.append(f)
    if len(args) == 1:
        shutil.copyfile(args[0], out)
        return out
    sox("-m", *args, out)
    return out


def effect(inp, *fx):
    out = tmp(".wav")
    sox(inp, out, *fx)
    return out


def stats(path):
    text = run(["sox", path, "-n", "stats"])
    rms = re.search(r"RMS lev dB\s+(-?[\d.inf]+)", text).group(1)
    pk = re.search(r"Pk lev dB\s+(-?[\d.inf]+)", text).group(1)
    return float(rms), float(pk)


def finish_wav(inp, out, rms_target=-18.0, peak_limit=-1.0, max_len=None):
    """Writes the final sound: mono, 16-bit PCM, 22050 Hz, levelled so that
    its average loudness is near rms_target without its peak passing
    peak_limit; short fades at both ends avoid clicks."""
    ensure_dir(out)
    staged = tmp(".wav")
    fx = ["rate", "-v", SAMPLE_RATE, "channels", 1]
    if max_len:
        fx += ["trim", 0, max_len]
    sox(inp, "-r", SAMPLE_RATE, "-c", 1, "-b", 16, staged, *fx)
    length = float(run(["soxi", "-D", staged]).strip())
    faded = tmp(".wav")
    sox(staged, faded, "fade", "t", "0.003", "%.4f" % length, "0.01")
    rms, pk = stats(faded)
    gain = rms_target - rms
    if pk + gain > peak_limit:
        gain = peak_limit - pk
    sox(faded, "-e", "signed-integer", "-b", 16, out, "gain", "%.2f" % gain)
    return out
