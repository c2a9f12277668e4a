# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesise the game's six sound cues into assets/sounds/.

Soft mallet and bell tones built from decaying partials; every cue ends in
at least 0.25 s of silence because the sound backend drops the last ~100 ms.
Run with /usr/bin/python3 (numpy); output is the same on every run.
"""
import os
import wave

import numpy as np

RATE = 44100
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "sounds")

TARGET_RMS_DB = -16.0  # loudness of the sounding part, so cues match
PEAK_DB = -3.0         # never louder than this
TAIL = 0.3             # seconds of trailing silence


def note(name):
    """'C5', 'F#4', 'Bb5' -> frequency in Hz (A4 = 440)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    n = steps[name[0]]
    rest = name[1:]
    if rest[0] == "#":
        n += 1
        rest = rest[1:]
    elif rest[0] == "b":
        n -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((n + 12 * (octave - 4)) / 12)


def timeline(seconds):
    return np.zeros(int(round(seconds * RATE)))


def partials(freq, dur, parts, attack=0.004):
    """Sum of sine partials (ratio, level, decay time constant in s)."""
    t = np.arange(int(round(dur * RATE))) / RATE
    y = np.zeros_like(t)
    for ratio, level, decay in parts:
        f = freq * ratio
        if f >= RATE / 2 * 0.9:
            continue
        y += level * np.sin(2 * np.pi * f * t) * np.exp(-t / decay)
    n_att = max(1, int(attack * RATE))
    y[:n_att] *= 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, n_att))
    return y


def marimba(freq, dur=0.7, bright=1.0):
    # wooden bar: strong fundamental, the 4th and 10th partials die fast
    return partials(freq, dur, [(1, 1.0, 0.32), (4.0, 0.28 * bright, 0.06),
                                (9.9, 0.08 * bright, 0.02), (2.0, 0.08, 0.12)], 0.003)


def bell(freq, dur=1.0, shine=1.0):
    # small glassy bell: bar-like inharmonic partials with long, soft decay
    return partials(freq, dur, [(1, 1.0, 0.45), (2.0, 0.35, 0.3), (2.76, 0.3 * shine, 0.2),
                                (5.40, 0.12 * shine, 0.09), (8.93, 0.05 * shine, 0.05)],
                    0.002)


def soft_pad(freq, dur, level=1.0):
    """A gently swelling held tone with a little vibrato, for fanfare chords."""
    t = np.arange(int(round(dur * RATE))) / RATE
    vib = 1 + 0.003 * np.sin(2 * np.pi * 5.2 * t)
    phase = 2 * np.pi * freq * np.cumsum(vib) / RATE
    y = (np.sin(phase) + 0.3 * np.sin(2 * phase) + 0.12 * np.sin(3 * phase)
         + 0.05 * np.sin(4 * phase))
    env = np.minimum(1, t / 0.06) * np.exp(-t / (dur * 0.9))
    return level * y * env


def add(track, sound, at):
    i = int(round(at * RATE))
    j = min(len(track), i + len(sound))
    track[i:j] += sound[: j - i]


def finish(y, fade=0.04):
    """Fade the end of the sounding part, set loudness, cap peaks, add silence."""
    n_fade = int(fade * RATE)
    y = y.copy()
    y[-n_fade:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, n_fade))
    n_in = int(0.002 * RATE)
    y[:n_in] *= np.linspace(0, 1, n_in)
    env = np.abs(y)
    sounding = y[env > env.max() * 0.01]
    rms = np.sqrt(np.mean(sounding ** 2))
    y *= 10 ** (TARGET_RMS_DB / 20) / rms
    peak = np.abs(y).max()
    cap = 10 ** (PEAK_DB / 20)
    if peak > cap:
        y *= cap / peak
    return np.concatenate([y, np.zeros(int(TAIL * RATE))])


def chime():
    tr = timeline(0.66)
    add(tr, bell(note("G5"), 0.66), 0.0)
    add(tr, 0.8 * bell(note("C6"), 0.54), 0.12)
    return finish(tr, 0.12)


def startup():
    tr = timeline(1.05)
    for k, n in enumerate(["C5", "E5", "G5"]):
        add(tr, marimba(note(n), 0.5), 0.11 * k)
    add(tr, marimba(note("C6"), 0.72, 1.2), 0.33)
    add(tr, 0.55 * marimba(note("E5"), 0.72), 0.33)
    add(tr, 0.5 * marimba(note("G5"), 0.72), 0.33)
    return finish(tr, 0.15)


def correct():
    tr = timeline(0.6)
    add(tr, 0.7 * bell(note("E6"), 0.5, 1.3), 0.0)
    add(tr, bell(note("A6"), 0.52, 1.3), 0.08)
    return finish(tr, 0.12)


def endlevel():
    tr = timeline(1.95)
    # a rising arpeggio on mallets, then a held C major chord with a bell on top
    for k, n in enumerate(["G4", "C5", "E5", "G5"]):
        add(tr, marimba(note(n), 0.45), 0.12 * k)
    add(tr, marimba(note("E5"), 0.4), 0.6)
    add(tr, marimba(note("G5"), 0.4), 0.72)
    chord_at = 0.86
    for n, lv in (("C4", 0.35), ("G4", 0.3), ("C5", 0.35), ("E5", 0.3), ("G5", 0.25)):
        add(tr, soft_pad(note(n), 1.09, lv), chord_at)
    add(tr, 0.9 * marimba(note("C6"), 1.0, 1.2), chord_at)
    add(tr, 0.6 * bell(note("C6"), 1.0), chord_at)
    return finish(tr, 0.35)


def dong():
    tr = timeline(0.5)
    add(tr, partials(note("G3"), 0.5, [(1, 1.0, 0.2), (2.0, 0.4, 0.12), (2.98, 0.18, 0.07),
                                         (4.1, 0.06, 0.04)], 0.006), 0.0)
    add(tr, 0.35 * marimba(note("G4"), 0.4, 0.6), 0.0)
    return finish(tr, 0.1)


def click():
    # a tiny wood block: two high partials that die within a few milliseconds
    tr = timeline(0.045)
    add(tr, partials(1750.0, 0.045, [(1, 1.0, 0.009), (2.3, 0.5, 0.005), (3.9, 0.25, 0.003)],
                     0.0008), 0.0)
    return finish(tr, 0.012)


CUES = {
    "Chime.wav": chime,
    "startup.wav": startup,
    "correct.wav": correct,
    "Endlvl.wav": endlevel,
    "dong.wav": dong,
    "click.wav": click,
}


def write_wav(path, y):
    pcm = np.clip(np.rint(y * 32767), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())


def check(path):
    with wave.open(path, "rb") as w:
        assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, RATE), path
        frames = w.readframes(w.getnframes())
    y = np.frombuffer(frames, dtype="<i2").astype(np.float64) / 32768
    assert len(y) / RATE < 3.0, f"{path} is too long"
    assert np.abs(y).max() <= 10 ** (PEAK_DB / 20) + 1e-3, f"{path} peaks too high"
    tail = y[-int(0.25 * RATE):]
    assert np.abs(tail).max() == 0, f"{path} lacks trailing silence"
    assert abs(y[0]) < 0.01, f"{path} starts with a click"


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, make in CUES.items():
        path = os.path.join(OUT, name)
        write_wav(path, make())
        check(path)
    print(f"wrote {len(CUES)} cues into {os.path.relpath(OUT)}")


if __name__ == "__main__":
    main()
