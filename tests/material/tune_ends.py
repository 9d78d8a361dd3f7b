"""Checks that a tune loops without a seam: decoded as a gapless player decodes it (lame
honours the encoder's delay and padding that its header records), it has no more than a
breath of silence at its ends together, and its last sample runs on into its first as
neighbouring samples do, with no click where the round closes.

    problems(mp3_path) -> [problem, …]"""
import array
import subprocess
import tempfile
import wave

QUIET = 0.01  # of full scale: below it the music has stopped
GAP = 0.1  # seconds of quiet at the two ends together that a loop may have
NEAR = 0.005  # seconds each side of the seam whose steps a step across the seam may match
CLICK = 0.01  # of full scale: a step across the seam beyond its neighbours' and this is heard


def decoded(path):
    with tempfile.TemporaryDirectory() as work:
        out = work + "/tune.wav"
        subprocess.run(["lame", "--quiet", "--decode", str(path), out], check=True)
        with wave.open(out) as w:
            rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
            frames = w.readframes(w.getnframes())
    if width != 2:
        raise ValueError("%s: %d-byte samples" % (path, width))
    samples = array.array("h", frames)
    return rate, [s / 32768 for s in samples[::channels]]


def problems(path):
    rate, s = decoded(path)
    loud = [i for i, v in enumerate(s) if abs(v) >= QUIET]
    if not loud:
        return ["silent"]
    lead, trail = loud[0] / rate, (len(s) - 1 - loud[-1]) / rate
    out = []
    if lead + trail > GAP:
        out.append("%.2f s quiet at the start and %.2f s at the end" % (lead, trail))
    near = int(NEAR * rate)
    steps = max(abs(b - a) for side in (s[-near:], s[:near]) for a, b in zip(side, side[1:]))
    jump = abs(s[0] - s[-1])
    if jump > max(steps, CLICK):
        out.append("a step of %.3f of full scale where the round closes, %.3f beside it" % (jump, steps))
    return out
