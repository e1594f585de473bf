#!/usr/bin/env python3
"""Writes the alert sound that SysBeep plays: a short 880 Hz tone with a soft start and end.

Usage: tools/make_beep.py [output.wav]   (default: resources/sounds/beep.wav beside this script's folder)
The WAV is committed; run this again only to change the sound.
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
FREQUENCY = 880.0
DURATION = 0.120  # seconds
FADE_IN = 0.008
FADE_OUT = 0.060
PEAK = 0.45  # of full scale, leaving room for the harmonic


def envelope(t):
    """Raised-cosine ramps, so the tone starts and stops without a click."""
    if t < FADE_IN:
        return 0.5 - 0.5 * math.cos(math.pi * t / FADE_IN)
    remaining = DURATION - t
    if remaining < FADE_OUT:
        return 0.5 - 0.5 * math.cos(math.pi * max(remaining, 0.0) / FADE_OUT)
    return 1.0


def samples():
    count = int(RATE * DURATION)
    for i in range(count):
        t = i / RATE
        # A little of the octave above makes the tone less hollow than a bare sine.
        tone = math.sin(2 * math.pi * FREQUENCY * t) + 0.2 * math.sin(4 * math.pi * FREQUENCY * t)
        yield int(round(32767 * PEAK * envelope(t) * tone / 1.2))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds", "beep.wav")
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", s) for s in samples()))


if __name__ == "__main__":
    main()
