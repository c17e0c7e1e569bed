# SPDX-License-Identifier: GPL-3.0-or-later
"""Speech recordings: each exercise's word spoken by espeak-ng, one folder
per language (speech/English, speech/Swedish), file name <id>.wav in both so
that the lists of the two languages stay alike."""

import os

import catalog
from synth import rest, seq, speak
from util import finish_wav

VOICES = {"English": "en-gb+f3", "Swedish": "sv+f3"}


def build(root):
    for language in catalog.LANGUAGES:
        for e in catalog.EXERCISES:
            word = speak(e.word(language), VOICES[language], 55, 115)
            padded = seq(rest(0.05), word, rest(0.12))
            finish_wav(padded, os.path.join(root, "speech", language, e.id + ".wav"), -17.0)
