# SPDX-License-Identifier: GPL-3.0-or-later
"""A small vocabulary of sounds made with sox: tones with decays, noise
bursts, sequences and mixes, and words spoken by espeak-ng. Every function
returns the path of a new WAV file in the work folder."""

from util import SAMPLE_RATE, mix as _mix, run, silence, sox, synth, tmp, effect

A4 = 440.0


def hz(midi):
    return A4 * 2 ** ((midi - 69) / 12.0)


NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note_hz(name):
    """'C5', 'F#4', 'Bb3' -> frequency."""
    base = NOTE_NAMES[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        base += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        base -= 1
        rest = rest[1:]
    return hz(12 * (int(rest) + 1) + base)


def length(path):
    return float(run(["soxi", "-D", path]).strip())


def rest(dur):
    return silence(tmp(".wav"), dur)


def seq(*parts):
    parts = [p for p in parts if p]
    out = tmp(".wav")
    if len(parts) == 1:
        return effect(parts[0])
    sox(*parts, out)
    return out


def mix(*parts, volumes=None):
    return _mix(tmp(".wav"), *parts, volumes=volumes)


def fx(path, *effects):
    return effect(path, *effects)


def gain(path, db):
    return effect(path, "gain", "%.2f" % db)


def decayed(expr, dur, ring, attack=0.004):
    """A tone from a synth expression that dies away: about -20 dB after
    ring seconds (an exponential decay), cut at dur seconds."""
    long_len = max(dur, ring * 5.0)
    out = tmp(".wav")
    synth(out, long_len, *expr)
    return fx(out, "fade", "l", attack, "%.4f" % long_len, "%.4f" % (long_len - attack),
              "trim", 0, "%.4f" % dur, "fade", "t", 0, "%.4f" % dur, "0.02")


def held(expr, dur, attack=0.02, release=0.06, *effects):
    """A tone that holds and then stops softly."""
    out = tmp(".wav")
    synth(out, dur, *expr)
    return fx(out, "fade", "q", attack, "%.4f" % dur, release, *effects)


# --------------------------------------------------------------- instruments

def pluck(freq, dur=0.5):
    out = tmp(".wav")
    synth(out, dur, "pluck", "%.3f" % freq)
    return fx(out, "fade", "t", 0, "%.4f" % dur, "0.03")


def bell(freq, dur=1.0, ring=0.35):
    return decayed(["sine", "%.3f" % freq, "synth", "sine", "mix", "%.3f" % (freq * 2.76),
                    "synth", "sine", "mix", "%.3f" % (freq * 5.4)], dur, ring)


def marimba(freq, dur=0.4):
    return decayed(["sine", "%.3f" % freq, "synth", "sine", "mix", "%.3f" % (freq * 3.93)],
                   dur, 0.09)


def xylophone(freq, dur=0.35):
    return decayed(["triangle", "%.3f" % freq, "synth", "sine", "mix", "%.3f" % (freq * 3.0)],
                   dur, 0.06, attack=0.002)


def chip(freq, dur=0.3):
    """A soft square-wave note, like an old toy computer."""
    t = held(["square", "%.3f" % freq], dur, 0.005, min(0.12, dur * 0.5))
    return fx(t, "lowpass", 2200)


def sweep(kind, f1, f2, dur, curve="/", attack=0.01, release=0.05):
    return held([kind, "%.2f%s%.2f" % (f1, curve, f2)], dur, attack, release)


def noise(colour, dur, ring=None, attack=0.002, *filters):
    if ring:
        out = decayed([colour], dur, ring, attack)
    else:
        out = held([colour], dur, attack, min(0.05, dur * 0.4))
    return fx(out, *filters) if filters else out


def arpeggio(instrument, freqs, step, tail=0.6):
    parts = []
    for i, f in enumerate(freqs):
        last = i == len(freqs) - 1
        parts.append((instrument(f, tail if last else tail), i * step))
    return mix(*parts)


# --------------------------------------------------------------------- voice

def speak(words, voice, pitch=50, speed=140, amplitude=120, *effects):
    """espeak-ng speaking the words, trimmed of the silence around them."""
    raw = tmp(".wav")
    run(["espeak-ng", "-v", voice, "-p", pitch, "-s", speed, "-a", amplitude, "-w", raw, words])
    out = tmp(".wav")
    sox(raw, "-r", SAMPLE_RATE, "-c", 1, "-b", 16, out,
        "silence", 1, "0.01", "0.3%", "reverse", "silence", 1, "0.01", "0.3%", "reverse",
        *effects)
    return out
