# SPDX-License-Identifier: GPL-3.0-or-later
"""Speech recordings: each exercise's word spoken by espeak-ng, one folder
per language (speech/English, speech/Swedish), file name <id>.wav in both so
that the lists of the two languages stay alike; and each activity's name,
menu/menu1.wav to menu/menu6.wav in the menu's order, for scanning the menu by
ear, in a folder of their own so the editor's Speech column offers only the
words."""

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
        for number, name in enumerate(catalog.ACTIVITY_NAMES[language], 1):
            spoken = seq(rest(0.03), speak(name, VOICES[language], 55, 130), rest(0.08))
            finish_wav(spoken,
                       os.path.join(root, "speech", language, "menu", "menu%d.wav" % number),
                       -17.0)
