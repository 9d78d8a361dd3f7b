"""Sounds of our own, synthesised with the standard library: short tunes for background
music and a chime for a transition. Everything is computed, so the same tune gives the
same samples on every build; lame then encodes the .mp3 files."""
import math
import struct
import wave

RATE = 22050  # enough for a tune, and half the work of CD quality
NOTE = {n: i for i, n in enumerate(["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"])}


def frequency(name):
    """"A4" -> 440 Hz."""
    pitch, octave = name[:-1], int(name[-1])
    return 440.0 * 2 ** ((NOTE[pitch] - 9) / 12 + (octave - 4))


def tone(samples, start, freq, length, volume, decay=3.0, harmonics=(1.0, 0.35, 0.15), release=0):
    """A note, cut off at its length or faded out over its last `release` samples; what
    rings on past the end of `samples` sounds at their start, as when a player loops them."""
    n = int(length * RATE)
    first = int(start * RATE)
    for i in range(n):
        t = i / RATE
        envelope = min(1.0, i / 400, (n - i) / release if release else 1.0) * math.exp(-decay * t)
        value = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(harmonics))
        samples[(first + i) % len(samples)] += volume * envelope * value


def length(melody, beat):
    """Seconds one round of a tune lasts: its beats, no more."""
    return sum(b for _, b in melody) * beat


def tune(melody, beat=0.42, bass=(), volume=0.28):
    """melody: [(note or "", beats)]; bass: [(note, beats)] played under it. One round,
    exactly its beats long, made to be looped: the notes that ring on past the last beat
    sound over the first, so the round closes on its beat without a gap or a seam."""
    samples = [0.0] * round(length(melody, beat) * RATE)
    at = 0.0
    for note, beats in melody:
        if note:
            tone(samples, at, frequency(note), beats * beat + 0.6, volume, release=400)
        at += beats * beat
    at = 0.0
    for note, beats in bass:
        tone(samples, at, frequency(note), beats * beat + 0.4, volume * 0.6, decay=1.5, harmonics=(1.0, 0.2),
             release=400)
        at += beats * beat
    return samples


def chime():
    """A wind chime: a few bright bells that ring on and fade."""
    samples = [0.0] * int(1.6 * RATE)
    for k, (note, at) in enumerate([("E6", 0.0), ("B6", 0.09), ("G#6", 0.2), ("E7", 0.31), ("C#7", 0.45)]):
        tone(samples, at, frequency(note), 1.6 - at - 0.01, 0.22, decay=3.5, harmonics=(1.0, 0.0, 0.0, 0.25))
    return samples


def write_wav(samples, path):
    peak = max(1e-9, max(abs(s) for s in samples))
    scale = 0.85 / peak if peak > 0.85 else 1.0
    frames = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, s * scale)) * 32767)) for s in samples)
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
