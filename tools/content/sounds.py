# SPDX-License-Identifier: GPL-3.0-or-later
"""Sound effects: the click, one sound per exercise picture and painting
series, the ring and fallback sounds, the find-images answers, the step and
done series of the picture-steps activity and the painting sounds.

All are made with sox (and espeak-ng for the voiced ones) and written as
16-bit mono PCM at 22050 Hz, levelled to a common loudness."""

import os
import random

from synth import (arpeggio, bell, chip, decayed, fx, gain, held, length, marimba, mix, note_hz,
                   noise, pluck, rest, seq, speak, sweep, xylophone)
from util import finish_wav

def voiced(words, pitch=60, speed=120, shift=0, effects=()):
    """A playful voice saying an animal's call; shift in cents."""
    out = speak(words, "en-gb+f3", pitch, speed)
    extra = list(effects)
    if shift:
        extra = ["pitch", shift] + extra
    # the voice's breathy top gets shrill once shifted up; soften it
    return fx(out, *(extra + ["lowpass", 5000]))


def twice(path, gap=0.15):
    return seq(path, rest(gap), path)


# ------------------------------------------------------------------ animals

def cat():
    return voiced("meeow", pitch=90, speed=90, shift=500)


def dog():
    w = voiced("woof", pitch=30, speed=160, shift=-200, effects=("overdrive", 6))
    return seq(w, rest(0.12), w)


def horse():
    return voiced("[[n'i:hihihi]]", pitch=95, speed=110, shift=500, effects=("tremolo", 14, 60))


def pig():
    o = voiced("oink", pitch=40, speed=170, shift=-100, effects=("overdrive", 10))
    return seq(o, rest(0.1), o)


def cow():
    return voiced("moooooo", pitch=10, speed=60, shift=-500, effects=("tremolo", 4, 20))


def sheep():
    return voiced("baaaaa", pitch=80, speed=70, shift=300, effects=("tremolo", 11, 70))


def hen():
    c = voiced("buk", pitch=80, speed=200, shift=300)
    return seq(c, rest(0.08), c, rest(0.08), c, rest(0.05),
               voiced("bagawk", pitch=90, speed=150, shift=400))


def elephant():
    """A trumpeting call: a bright, rising brassy tone with a wobble."""
    t = held(["sawtooth", "260/520", "synth", "sine", "fmod", 7], 1.1, 0.08, 0.3)
    return fx(t, "overdrive", 12, "lowpass", 2600, "tremolo", 9, 30, "reverb", 30)


def fish():
    """Bubbles rising: small blips, each a quick rising sweep."""
    rnd = random.Random(11)
    parts = []
    t = 0.0
    for i in range(9):
        f = rnd.uniform(500, 900)
        parts.append((sweep("sine", f, f * 1.8, 0.07, "/", 0.005, 0.03), t))
        t += rnd.uniform(0.08, 0.16)
    return fx(mix(*parts), "reverb", 20)


def frog():
    r = voiced("ribbit", pitch=20, speed=160, shift=-300, effects=("overdrive", 14))
    return seq(r, rest(0.15), r)


def lion():
    g = mix(noise("brownnoise", 1.3, None, 0.25, "lowpass", 500),
            held(["sawtooth", "90/70"], 1.3, 0.25, 0.5, "lowpass", 900),
            volumes=[1.0, 0.7])
    return fx(g, "overdrive", 20, "tremolo", 24, 40, "reverb", 40)


def monkey():
    o = voiced("oo", pitch=99, speed=160, shift=600)
    a = voiced("aa", pitch=99, speed=160, shift=700)
    return seq(o, rest(0.05), o, rest(0.05), a, rest(0.05), a)


def tiger():
    g = mix(noise("brownnoise", 1.1, None, 0.1, "lowpass", 400),
            held(["sawtooth", "70/60"], 1.1, 0.1, 0.4, "lowpass", 600), volumes=[1.0, 0.8])
    return fx(g, "overdrive", 25, "tremolo", 30, 60)


def owl():
    h = held(["sine", "392/370"], 0.32, 0.08, 0.14)
    h2 = held(["sine", "370/349"], 0.5, 0.08, 0.25)
    return fx(seq(h, rest(0.12), h2), "tremolo", 5, 20, "reverb", 50)


def ladybird():
    freqs = [note_hz(n) for n in ("E6", "G6", "B6", "E7")]
    return fx(arpeggio(lambda f, d: bell(f, 0.6, 0.12), freqs, 0.09), "reverb", 30)


# ----------------------------------------------------------------- vehicles

def horn(freqs, dur, bright=3000):
    parts = [held(["square", "%.2f" % f], dur, 0.01, 0.04) for f in freqs]
    return fx(mix(*parts), "lowpass", bright)


def car():
    h = horn([415.3, 523.3], 0.18)
    return seq(h, rest(0.1), h)


def bus():
    hiss = noise("whitenoise", 0.6, 0.2, 0.01, "highpass", 2500)
    return seq(horn([311.1, 392.0], 0.45, 2000), rest(0.2), gain(hiss, -6))


def truck():
    return horn([146.8, 185.0, 220.0], 0.9, 1500)


def tractor():
    rnd = random.Random(5)
    parts = []
    for i in range(14):
        putt = mix(noise("brownnoise", 0.07, 0.03, 0.002, "lowpass", 600),
                   decayed(["square", "55"], 0.07, 0.03))
        parts.append((putt, i * 0.105 + rnd.uniform(-0.006, 0.006)))
    engine = mix(*parts)
    return fx(engine, "lowpass", 1200, "fade", "q", 0.2, "%.4f" % length(engine), 0.4)


def aeroplane():
    drone = held(["sawtooth", "100/135"], 1.8, 0.6, 0.8)
    return fx(drone, "tremolo", 30, 70, "lowpass", 900)


def boat():
    h1 = horn([98.0, 147.0], 0.5, 700)
    h2 = horn([98.0, 147.0], 1.0, 700)
    return fx(seq(h1, rest(0.2), h2), "reverb", 40)


def bell_ring(f=2400.0):
    strike = decayed(["sine", f, "synth", "sine", "mix", f * 1.41, "synth", "sine", "mix",
                      f * 2.33], 0.5, 0.18)
    return fx(strike, "tremolo", 22, 40)


def bicycle():
    r = bell_ring()
    return seq(r, rest(0.05), r, rest(0.02), r)


def train():
    whistle = held(["sine", "587.3", "synth", "sine", "mix", "740", "synth", "sine", "mix",
                    "880"], 0.7, 0.05, 0.2)
    whistle = fx(whistle, "tremolo", 6, 15)
    chuffs = [(noise("pinknoise", 0.14, 0.05, 0.002, "bandpass", 1200, "1.2q"), i * 0.2)
              for i in range(4)]
    return seq(whistle, rest(0.05), mix(*chuffs))


def rocket():
    rumble = noise("brownnoise", 1.8, None, 0.4, "lowpass", 300)
    whoosh = sweep("sine", 120, 900, 1.8, "/", 0.6, 0.5)
    hiss = noise("pinknoise", 1.8, None, 0.8, "highpass", 1500)
    return mix(rumble, whoosh, hiss, volumes=[1.0, 0.5, 0.35])


# --------------------------------------------------------------------- food

def crunch(seed, low=1500, high=6500, n=3):
    rnd = random.Random(seed)
    parts = []
    t = 0.0
    for i in range(n):
        parts.append((noise("whitenoise", 0.09, 0.025, 0.001, "highpass", low, "lowpass", high), t))
        t += rnd.uniform(0.2, 0.3)
    return mix(*parts)


def apple():
    return seq(crunch(1), rest(0.15), voiced("[[mm'mm]]", pitch=70, speed=80))


def banana():
    return seq(voiced("[[mm'mmm]]", pitch=60, speed=70), rest(0.05),
               arpeggio(lambda f, d: bell(f, 0.5, 0.15), [note_hz("C6"), note_hz("G6")], 0.1))


def strawberry():
    return seq(voiced("[[mm'mmm]]", pitch=85, speed=70, shift=200), rest(0.05),
               arpeggio(lambda f, d: bell(f, 0.5, 0.15), [note_hz("E6"), note_hz("B6")], 0.1))


def carrot():
    return crunch(2, 900, 4500, 4)


def munch(seed):
    rnd = random.Random(seed)
    parts = []
    for i in range(4):
        parts.append((noise("pinknoise", 0.12, 0.05, 0.01, "lowpass", 1800), i * rnd.uniform(0.2, 0.26)))
    return mix(*parts)


def bread():
    return seq(munch(3), rest(0.1), voiced("[[mm'mm]]", pitch=55, speed=80))


def cheese():
    return seq(munch(4), rest(0.1), voiced("[[mm'mm]]", pitch=75, speed=80, shift=100))


def cake():
    blower = fx(held(["square", "600/900", "synth", "sine", "fmod", 14], 0.7, 0.05, 0.1),
                "lowpass", 2500)
    tune = arpeggio(lambda f, d: bell(f, 0.7, 0.2),
                    [note_hz(n) for n in ("C5", "E5", "G5", "C6")], 0.12)
    return seq(blower, rest(0.08), tune)


def icecream():
    lick = fx(noise("pinknoise", 0.35, None, 0.05, "bandpass", 2500, "2q"), "tremolo", 8, 60)
    return seq(lick, rest(0.1), lick, rest(0.1), voiced("[[mm'mm]]", pitch=80, speed=80, shift=150))


def juice():
    """Sucking through the straw, then a few happy gulps."""
    slurp = fx(noise("pinknoise", 0.6, None, 0.08, "bandpass", 1600, "1.5q"), "tremolo", 13, 70)
    rnd = random.Random(9)
    gulps = []
    for i in range(3):
        f = rnd.uniform(260, 330)
        gulps.append((sweep("sine", f * 1.4, f, 0.1, "/", 0.005, 0.05), i * 0.22))
    return seq(slurp, rest(0.12), mix(*gulps))


# --------------------------------------------------------------------- toys

def ball():
    parts = []
    t = 0.0
    gap = 0.42
    for i in range(5):
        b = sweep("sine", 420, 130, 0.18, "/", 0.003, 0.08)
        parts.append((gain(b, -3.0 * i), t))
        t += gap
        gap *= 0.72
    return mix(*parts)


def teddy():
    notes = ["G5", "E5", "C6", "G5", "A5", "G5", "E5"]
    return fx(arpeggio(lambda f, d: bell(f, 0.8, 0.25), [note_hz(n) for n in notes], 0.22),
              "reverb", 30)


def blocks():
    rnd = random.Random(7)
    parts = []
    t = 0.0
    for i in range(6):
        f = rnd.choice([700, 850, 1000, 1200])
        parts.append((decayed(["sine", f, "synth", "sine", "mix", f * 2.3], 0.12, 0.02), t))
        t += rnd.uniform(0.07, 0.16)
    return mix(*parts)


def duck():
    s = fx(held(["sine", "900:1500", "synth", "sine", "fmod", 30], 0.22, 0.01, 0.06),
           "overdrive", 5)
    return seq(s, rest(0.12), s)


def kick():
    return decayed(["sine", "130/45"], 0.3, 0.08, 0.001)


def snare():
    return mix(noise("whitenoise", 0.2, 0.05, 0.001, "highpass", 1500),
               decayed(["sine", "220"], 0.2, 0.03, 0.001), volumes=[1.0, 0.6])


def drums():
    pattern = [(kick, 0.0), (snare, 0.25), (kick, 0.5), (kick, 0.62), (snare, 0.75)]
    for i in range(6):
        pattern.append((snare, 1.0 + i * 0.06))
    pattern.append((kick, 1.4))
    return mix(*[(fn(), t) for fn, t in pattern])


def brass(freq, dur):
    t = held(["sawtooth", "%.2f" % freq, "synth", "sine", "fmod", 5.5], dur, 0.03, 0.06)
    return fx(t, "lowpass", 2800)


def trumpet():
    notes = [("G4", 0.14), ("C5", 0.14), ("E5", 0.14), ("G5", 0.3), ("E5", 0.14), ("G5", 0.6)]
    return fx(seq(*[brass(note_hz(n), d) for n, d in notes]), "reverb", 30)


# --------------------------------------------------------------------- home

def clock():
    parts = []
    for i in range(6):
        f = 1500 if i % 2 == 0 else 1100
        parts.append((decayed(["sine", f], 0.05, 0.01, 0.001), i * 0.3))
    ticks = mix(*parts)
    ring = fx(bell_ring(2000), "repeat", 2)
    return seq(ticks, rest(0.1), ring)


def telephone():
    ring = held(["sine", 440, "synth", "sine", "mix", 480, "synth", "square", "amod", 20],
                0.7, 0.01, 0.03)
    return seq(ring, rest(0.25), ring)


def cup():
    clink = decayed(["sine", 2600, "synth", "sine", "mix", 4100], 0.5, 0.12, 0.001)
    sip = noise("pinknoise", 0.4, None, 0.1, "bandpass", 1800, "1q")
    return seq(clink, rest(0.1), clink, rest(0.2), gain(sip, -4))


def shoe():
    parts = []
    for i in range(4):
        step = noise("brownnoise", 0.12, 0.04, 0.002, "lowpass", 700 if i % 2 else 900)
        parts.append((step, i * 0.36))
    return mix(*parts)


def umbrella():
    rain = noise("pinknoise", 1.8, None, 0.4, "highpass", 1200, "lowpass", 7000)
    rnd = random.Random(3)
    drops = []
    for i in range(14):
        f = rnd.uniform(1200, 2400)
        drops.append((decayed(["sine", "%.1f/%.1f" % (f, f * 0.6)], 0.06, 0.015, 0.001),
                      rnd.uniform(0.1, 1.6)))
    return mix(gain(rain, -10), mix(*drops), volumes=[1.0, 1.0])


def toothbrush():
    b = noise("whitenoise", 1.6, None, 0.05, "bandpass", 4000, "1.5q")
    return fx(b, "tremolo", 4.5, 90)


def house():
    ding = bell(note_hz("E5"), 0.9, 0.4)
    dong = bell(note_hz("C5"), 1.3, 0.5)
    return fx(seq(fx(ding, "trim", 0, 0.55), dong), "reverb", 30)


# ------------------------------------------------------------ paint series

def flower():
    freqs = [note_hz(n) for n in ("C5", "E5", "G5", "C6", "E6", "G6")]
    return fx(arpeggio(lambda f, d: pluck(f, 0.9), freqs, 0.08), "reverb", 40)


def rainbow():
    up = [note_hz(n) for n in ("C5", "D5", "E5", "G5", "A5", "C6", "D6", "E6", "G6", "A6", "C7")]
    return fx(arpeggio(lambda f, d: pluck(f, 0.8), up, 0.05), "reverb", 50)


EXERCISE_SOUNDS = {
    "cat": cat, "dog": dog, "horse": horse, "pig": pig, "cow": cow, "sheep": sheep,
    "hen": hen, "elephant": elephant, "fish": fish, "frog": frog, "lion": lion,
    "monkey": monkey, "tiger": tiger, "owl": owl, "ladybug": ladybird,
    "car": car, "bus": bus, "truck": truck, "tractor": tractor, "aeroplane": aeroplane,
    "boat": boat, "bicycle": bicycle, "train": train, "rocket": rocket,
    "apple": apple, "banana": banana, "strawberry": strawberry, "carrot": carrot,
    "bread": bread, "cheese": cheese, "cake": cake, "icecream": icecream, "juice": juice,
    "ball": ball, "teddy": teddy, "blocks": blocks, "duck": duck, "drums": drums,
    "trumpet": trumpet,
    "clock": clock, "telephone": telephone, "cup": cup, "shoe": shoe, "umbrella": umbrella,
    "toothbrush": toothbrush, "house": house,
    # painting series that have no exercise of their own
    "flower": flower, "rainbow": rainbow,
}


# ---------------------------------------------------- sounds of the screens

def click():
    return mix(decayed(["sine", 1800], 0.05, 0.008, 0.0005),
               noise("whitenoise", 0.02, 0.004, 0.0005, "highpass", 3000), volumes=[1.0, 0.4])


def scan_tick():
    """The scanning step: a short, soft wooden tick, quieter and lower than the click."""
    return mix(decayed(["sine", 1100], 0.04, 0.006, 0.0005),
               noise("pinknoise", 0.015, 0.003, 0.0005, "bandpass", 1500, "1q"),
               volumes=[1.0, 0.3])


def wrong():
    """Gentle: two soft, low notes stepping down, like a friendly 'uh-oh'."""
    a = held(["sine", "392"], 0.16, 0.03, 0.08)
    b = held(["sine", "330/311"], 0.3, 0.03, 0.2)
    return seq(a, rest(0.04), b)


def ring_sounds():
    """Loops for the colour rings (played over and over while the switch is
    held) and fallback sounds for moving pictures."""
    rnd = random.Random(21)
    out = {}
    # bubbles
    parts = []
    for i in range(16):
        f = rnd.uniform(400, 1000)
        parts.append((sweep("sine", f, f * 1.9, 0.08, "/", 0.005, 0.04), i * 0.15))
    out["bubbles"] = fx(mix(*parts), "reverb", 30, "trim", 0, 2.4)
    # twinkle: a bell arpeggio going up and down
    ns = ["C6", "E6", "G6", "C7", "G6", "E6", "C6", "G5"]
    out["twinkle"] = arpeggio(lambda f, d: bell(f, 0.6, 0.2), [note_hz(n) for n in ns], 0.25)
    # wobble: a sliding tone with a wide vibrato
    w1 = held(["sine", "300/700", "synth", "sine", "fmod", 6], 1.0, 0.05, 0.05)
    w2 = held(["sine", "700/300", "synth", "sine", "fmod", 6], 1.0, 0.05, 0.05)
    out["wobble"] = seq(w1, w2)
    # marimba pattern
    ns = ["C5", "E5", "G5", "A5", "G5", "E5", "D5", "G4"]
    out["marimba"] = seq(*[marimba(note_hz(n), 0.25) for n in ns])
    # slide whistle up and down
    s1 = held(["sine", "500:1400", "synth", "sine", "fmod", 7], 0.9, 0.05, 0.05)
    s2 = held(["sine", "1400:500", "synth", "sine", "fmod", 7], 0.9, 0.05, 0.05)
    out["whistle"] = seq(s1, rest(0.1), s2, rest(0.1))
    # wind chimes
    parts = []
    pent = [note_hz(n) for n in ("C6", "D6", "E6", "G6", "A6", "C7")]
    for i in range(10):
        parts.append((bell(rnd.choice(pent), 0.8, 0.25), i * 0.2 + rnd.uniform(0, 0.08)))
    out["chimes"] = fx(mix(*parts), "trim", 0, 2.4, "fade", "t", 0, 2.4, 0.3)
    return out


def praise_sounds():
    """Spoken cheers with a sparkle; words that sound right in English and in
    Swedish."""
    sparkle = arpeggio(lambda f, d: bell(f, 0.5, 0.12),
                       [note_hz(n) for n in ("C6", "E6", "G6", "C7")], 0.06)
    out = {}
    words = [("bravo", "en-gb+f3", "Bravo!"), ("super", "sv+f3", "Super!"),
             ("wow", "en-gb+f3", "Wow!"), ("hurra", "sv+f3", "Hurra!"),
             ("yippee", "en-gb+f3", "Yippee!")]
    for name, voice, text in words:
        v = speak(text, voice, 75, 140)
        out[name] = mix(v, (sparkle, 0.05), volumes=[1.0, 0.45])
    fan = [("C5", 0.12), ("E5", 0.12), ("G5", 0.12), ("C6", 0.5)]
    out["fanfare"] = fx(seq(*[brass(note_hz(n), d) for n, d in fan]), "reverb", 30)
    out["tada"] = fx(mix(*[(bell(note_hz(n), 1.0, 0.4), 0.0) for n in ("C5", "E5", "G5", "C6")],
                         (decayed(["sine", note_hz("G4")], 0.1, 0.03), 0.0)), "reverb", 30)
    return out


# the four step variants: an instrument each, and the key its steps climb in
STEP_VARIANTS = [
    (lambda f: marimba(f, 0.45), "C5"),
    (lambda f: bell(f, 0.6, 0.25), "D5"),
    (lambda f: chip(f, 0.3), "F4"),
    (lambda f: xylophone(f, 0.4), "G4"),
]
MAJOR = [0, 2, 4, 5, 7, 9, 11, 12]
STEP_DEGREES = {1: [7], 2: [0, 7], 4: [0, 4, 7, 12], 8: MAJOR}


def step_sounds():
    """{(n, k): ([step files rising], done file)}."""
    out = {}
    for k, (instrument, key) in enumerate(STEP_VARIANTS):
        base = note_hz(key)
        for n in (1, 2, 4, 8):
            steps = [instrument(base * 2 ** (d / 12.0)) for d in STEP_DEGREES[n]]
            chord = [base * 2 ** (d / 12.0) for d in (0, 4, 7, 12)]
            flourish = arpeggio(lambda f, d: instrument(f), chord, 0.08)
            done = mix(flourish, (mix(*[(instrument(f), 0.0) for f in chord]), 0.36))
            out[(n, k)] = (steps, done)
    return out


def paint_sounds():
    out = {}
    out["paint01"] = fx(noise("pinknoise", 0.45, None, 0.08, "bandpass", 3000, "0.8q"),
                        "tremolo", 3, 50)                                        # brush swish
    splat = mix(noise("brownnoise", 0.25, 0.06, 0.001, "lowpass", 1200),
                sweep("sine", 300, 90, 0.15, "/", 0.002, 0.08), volumes=[1.0, 0.8])
    out["paint02"] = splat                                                       # splat
    out["paint03"] = arpeggio(lambda f, d: bell(f, 0.5, 0.12),
                              [note_hz(n) for n in ("G6", "C7", "E7")], 0.06)      # sparkle
    out["paint04"] = seq(sweep("sine", 300, 1200, 0.25, "/", 0.01, 0.05),
                         bell(note_hz("C6"), 0.5, 0.2))                          # swoosh, ding
    out["paint05"] = sweep("sine", 200, 800, 0.08, "/", 0.002, 0.03)           # pop
    dabs = [(noise("pinknoise", 0.09, 0.03, 0.005, "bandpass", 2000, "1q"), i * 0.16)
            for i in range(3)]
    out["paint06"] = mix(*dabs)                                                  # dab dab dab
    return out


# ------------------------------------------------------------------- build

LOUD = -17.0      # target average level of effects and speech
SOFT = -22.0      # gentle sounds


def build(root, exercise_ids):
    s = os.path.join(root, "sfx")
    finish_wav(click(), os.path.join(s, "click.wav"), -20.0)
    finish_wav(scan_tick(), os.path.join(s, "scan.wav"), -26.0)
    for ident in exercise_ids + ["flower", "rainbow"]:
        finish_wav(EXERCISE_SOUNDS[ident](), os.path.join(s, "images", ident + ".wav"), LOUD,
                   max_len=3.0)
    for name, path in ring_sounds().items():
        finish_wav(path, os.path.join(s, "sounds", name + ".wav"), -19.0)
    finish_wav(wrong(), os.path.join(s, "findimages", "wrong.wav"), SOFT)
    for name, path in praise_sounds().items():
        finish_wav(path, os.path.join(s, "findimages", "sounds", name + ".wav"), LOUD)
    for (n, k), (steps, done) in step_sounds().items():
        folder = os.path.join(s, "shapes", str(n))
        for i, p in enumerate(steps):
            finish_wav(p, os.path.join(folder, "step%d_%d.wav" % (k, i + 1)), -19.0)
        finish_wav(done, os.path.join(folder, "done%d.wav" % k), -19.0)
    for name, path in paint_sounds().items():
        finish_wav(path, os.path.join(s, "paint", name + ".wav"), -19.0)
