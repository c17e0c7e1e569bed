# SPDX-License-Identifier: GPL-3.0-or-later
"""Short cheerful pieces: the menu tune and one intro per activity, composed
here and played by a tiny sequencer on sox-made instruments.

Notes are written as "pitch:beats" separated by blanks; "-" is a rest and
"C4+E4+G4" a chord. A bar line "|" is only for the reader."""

import os

from synth import (bell, chip, decayed, fx, held, marimba, mix, noise, note_hz, pluck, rest, seq,
                   xylophone)
from util import finish_wav


def bass(f, dur):
    return fx(held(["triangle", "%.3f" % f], dur, 0.01, min(0.08, dur * 0.3)), "lowpass", 900)


def pad(f, dur):
    return held(["sine", "%.3f" % f], dur, min(0.15, dur * 0.3), min(0.3, dur * 0.4))


def brass(f, dur):
    return fx(held(["sawtooth", "%.3f" % f, "synth", "sine", "fmod", 5.5], dur, 0.03,
                   min(0.08, dur * 0.3)), "lowpass", 2600)


INSTRUMENTS = {
    "marimba": lambda f, d: marimba(f, d),
    "bell": lambda f, d: bell(f, d, 0.3),
    "pluck": lambda f, d: pluck(f, d),
    "chip": lambda f, d: chip(f, d),
    "xylophone": lambda f, d: xylophone(f, d),
    "bass": bass,
    "pad": pad,
    "brass": brass,
}


def exact(path, dur):
    """The file cut or padded to exactly dur seconds."""
    return fx(path, "pad", 0, "%.4f" % dur, "trim", 0, "%.4f" % dur)


def render_track(instrument, score, beat):
    play = INSTRUMENTS[instrument]
    parts = []
    for token in score.split():
        if token == "|":
            continue
        pitch, beats = token.split(":") if ":" in token else (token, "1")
        dur = float(beats) * beat
        if pitch == "-":
            parts.append(rest(dur))
            continue
        tones = [play(note_hz(p), dur) for p in pitch.split("+")]
        parts.append(exact(mix(*tones) if len(tones) > 1 else tones[0], dur))
    return seq(*parts)


def kick():
    return decayed(["sine", "120/45"], 0.25, 0.06, 0.001)


def hat():
    return noise("whitenoise", 0.06, 0.012, 0.001, "highpass", 6000)


def snare():
    return mix(noise("whitenoise", 0.15, 0.04, 0.001, "highpass", 1500),
               decayed(["sine", "200"], 0.15, 0.03, 0.001), volumes=[1.0, 0.5])


DRUMS = {"k": kick, "h": hat, "s": snare}


def render_drums(pattern, beat, bars, beats_per_bar):
    """pattern: one string per beat step (half beats), e.g. "k h s h"."""
    steps = pattern.split()
    step_len = beat * beats_per_bar / len(steps)
    parts = []
    sounds = {}
    for bar in range(bars):
        for i, s in enumerate(steps):
            for ch in s:
                if ch in DRUMS:
                    if ch not in sounds:
                        sounds[ch] = DRUMS[ch]()
                    parts.append((sounds[ch], (bar * len(steps) + i) * step_len))
    return mix(*parts)


class Piece:
    def __init__(self, name, bpm, beats_per_bar, bars, tracks, drums=None, volumes=None):
        self.name = name
        self.bpm = bpm
        self.beats_per_bar = beats_per_bar
        self.bars = bars
        self.tracks = tracks
        self.drums = drums
        self.volumes = volumes

    def render(self):
        beat = 60.0 / self.bpm
        total = beat * self.beats_per_bar * self.bars
        parts = [exact(render_track(inst, score, beat), total) for inst, score in self.tracks]
        vols = list(self.volumes or [1.0] * len(parts))
        if self.drums:
            parts.append(exact(render_drums(self.drums, beat, self.bars, self.beats_per_bar),
                               total))
            vols.append(0.35)
        song = mix(*parts, volumes=vols)
        tail = fx(song, "pad", 0, 0.8, "reverb", 25, 50, 60)
        length = total + 0.8
        return fx(tail, "fade", "q", 0.02, "%.4f" % length, 0.9)


PIECES = [
    Piece("menu", 120, 4, 8, [
        ("marimba", "C5 E5 G5 E5 | F5 A5 G5:2 | E5 G5 C6 G5 | A5 G5 E5:2 | "
                    "D5 F5 A5 F5 | G5 E5 C5:2 | D5 E5 F5 D5 | C5:3 -:1"),
        ("bass", "C3:2 G3:2 | F3:2 C3:2 | C3:2 E3:2 | F3:2 C3:2 | D3:2 F3:2 | C3:2 A2:2 | "
                 "G2:2 B2:2 | C3:3 -:1"),
        ("pad", "C4+E4+G4:4 | F4+A4+C5:4 | C4+E4+G4:4 | F4+A4+C5:4 | D4+F4+A4:4 | C4+E4+G4:4 | "
                "G3+B3+D4:4 | C4+E4+G4:4"),
    ], drums="k h s h", volumes=[1.0, 0.8, 0.25]),
    Piece("intro1", 132, 4, 4, [
        ("bell", "C5 E5 G5 C6 | D5 F5 A5 D6 | E5 G5 B5 E6 | C6:3 -:1"),
        ("bass", "C3:4 | D3:4 | E3:4 | C3:3 -:1"),
    ], volumes=[1.0, 0.7]),
    Piece("intro2", 112, 4, 4, [
        ("xylophone", "C5 C5 D5 E5 | E5 F5 G5:2 | G5 A5 B5 C6 | C6:2 G5 C6"),
        ("bass", "C3 G2 C3 G2 | C3 G2 E3 C3 | G2 D3 G2 D3 | C3:2 G2 C3"),
    ], drums="k h k h", volumes=[1.0, 0.8]),
    Piece("intro3", 120, 4, 6, [
        ("chip", "E5 G5 E5 C5 | D5:2 -:2 | E5 G5 E5 C5 | G5:2 -:2 | A5 G5 F5 E5 | D5 E5 C5:2"),
        ("bass", "C3:2 G2:2 | G2:2 D3:2 | C3:2 G2:2 | G2:2 D3:2 | F2:2 C3:2 | G2:2 C3:2"),
    ], drums="k - h -", volumes=[0.9, 0.8]),
    Piece("intro4", 150, 3, 8, [
        ("pluck", "C5:2 E5 | G5:2 E5 | F5:2 A5 | G5:3 | E5:2 G5 | C6:2 B5 | A5 G5 F5 | E5:3"),
        ("bass", "C3 - - | C3 - - | F2 - - | G2 - - | C3 - - | A2 - - | F2 - - | C3 - -"),
        ("pad", "- E4+G4 E4+G4 | - E4+G4 E4+G4 | - F4+A4 F4+A4 | - D4+G4 D4+G4 | "
                "- E4+G4 E4+G4 | - E4+A4 E4+A4 | - F4+A4 F4+A4 | - E4+G4 E4+G4"),
    ], volumes=[1.0, 0.8, 0.3]),
    Piece("intro5", 104, 4, 4, [
        ("bell", "G5 E5 G5 E5 | C5 D5 E5:2 | G5 E5 G5 E5 | D5 C5 C5:2"),
        ("bass", "C3:2 G2:2 | F2:2 C3:2 | C3:2 G2:2 | G2:2 C3:2"),
    ], volumes=[1.0, 0.7]),
    Piece("intro6", 150, 4, 4, [
        ("marimba", "C5:0.5 E5:0.5 G5:0.5 E5:0.5 C5:0.5 E5:0.5 G5:0.5 E5:0.5 | "
                    "D5:0.5 F5:0.5 A5:0.5 F5:0.5 D5:0.5 F5:0.5 A5:0.5 F5:0.5 | "
                    "E5:0.5 G5:0.5 C6:0.5 G5:0.5 E5:0.5 G5:0.5 C6:0.5 G5:0.5 | C6:2 G5 C6"),
        ("bass", "C3 G2 C3 G2 | D3 A2 D3 A2 | E3 B2 E3 B2 | C3:2 G2 C3"),
    ], drums="k h s h", volumes=[1.0, 0.8]),
]


def build(root):
    for piece in PIECES:
        finish_wav(piece.render(), os.path.join(root, "music", piece.name + ".wav"), -20.0)
