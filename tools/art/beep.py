#!/usr/bin/env python3
"""Writes the game's beep: a soft 880 Hz tone of 90 ms, 16-bit mono at 44.1 kHz.

The tone fades in and out over a few milliseconds, so it starts and stops without a click.
"""

import math
import struct
import sys
import wave

RATE = 44100
FREQUENCY = 880.0
DURATION = 0.090
FADE = 0.008
VOLUME = 0.35  # of full scale: a soft beep, even three in a row


def envelope(t: float) -> float:
    """A raised-cosine fade at both ends, 1 in between."""
    edge = min(t, DURATION - t)
    if edge >= FADE:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * max(edge, 0.0) / FADE)


def samples() -> list[int]:
    count = round(RATE * DURATION)
    result = []
    for n in range(count):
        t = n / RATE
        value = VOLUME * envelope(t) * math.sin(2 * math.pi * FREQUENCY * t)
        result.append(round(value * 32767))
    return result


def main() -> int:
    if len(sys.argv) != 2:
        print("usage: beep.py OUTPUT.wav", file=sys.stderr)
        return 2
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", s) for s in samples()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
