#!/usr/bin/env python3
"""Writes assets/Sounds/Jump.wav: Quib's jump, a short rising "blip".

A sine sweep from a low to a high pitch with a soft attack and a quick
decay, plus a little of the octave for a brighter, water-drop character.
16-bit PCM, mono, 22050 Hz, about 0.15 seconds.
"""

import math
import os
import struct
import wave

RATE = 22050
DURATION = 0.15
START_HZ = 420.0
END_HZ = 1250.0


def sample(i: int) -> float:
    t = i / RATE
    progress = t / DURATION
    # An exponential sweep, so the pitch rises evenly to the ear; its phase
    # is the integral of the frequency, in closed form.
    k = math.log(END_HZ / START_HZ) / DURATION
    phase = 2 * math.pi * START_HZ * (math.exp(k * t) - 1) / k
    attack = min(1.0, t / 0.008)
    decay = (1 - progress) ** 2.2
    tone = math.sin(phase) + 0.25 * math.sin(2 * phase) * (1 - progress)
    return 0.55 * attack * decay * tone


def main() -> None:
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "assets", "Sounds", "Jump.wav")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    frames = bytearray()
    for i in range(int(RATE * DURATION)):
        value = max(-1.0, min(1.0, sample(i)))
        frames += struct.pack("<h", int(value * 32767))
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))
    print(f"wrote {os.path.normpath(out)} ({len(frames) // 2} samples)")


if __name__ == "__main__":
    main()
