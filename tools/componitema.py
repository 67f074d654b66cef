#!/usr/bin/env python3
"""Writes Velno's opening tune, data/Internet.mid: a General MIDI piece of 17 bars in
D major at 112 beats a minute (about 37 seconds): vibraphone melody, string chords,
finger bass and a light kit. The bytes are written here directly, no library needed.

    python3 tools/componitema.py [output file]
"""
import struct
import sys
from pathlib import Path

TPQ = 480                       # ticks per quarter note
BPM = 112
BAR = 4 * TPQ

NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8,
        "A": 9, "A#": 10, "B": 11}


def pitch(name):
    """'F#5' -> MIDI number (C4 = 60)."""
    return 12 * (int(name[-1]) + 1) + NOTE[name[:-1]]


# Durations in eighths.
e, q, dq, h, dh, w = 1, 2, 3, 4, 6, 8

# The melody, bar by bar: (note or None for a rest, length in eighths).
MELODY = [
    # A: D | Bm | G | A | D | Bm | Em A | D
    [("F#5", q), ("A5", q), ("D6", dq), ("C#6", e)],
    [("B5", h), ("A5", q), ("F#5", q)],
    [("G5", dq), ("A5", e), ("B5", q), ("D6", q)],
    [("C#6", dh), (None, q)],
    [("F#5", q), ("A5", q), ("D6", q), ("E6", q)],
    [("F#6", h), ("E6", q), ("D6", q)],
    [("B5", q), ("G5", q), ("A5", q), ("C#6", q)],
    [("D6", dh), (None, q)],
    # B: G | A | F#m | Bm | G | A | Em7 A7 | D
    [("B5", e), ("D6", e), ("G6", q), ("F#6", q), ("E6", q)],
    [("E6", dq), ("C#6", e), ("A5", h)],
    [("A5", e), ("C#6", e), ("F#6", q), ("E6", q), ("C#6", q)],
    [("D6", h), ("B5", q), ("F#5", q)],
    [("G5", q), ("B5", q), ("D6", q), ("G6", q)],
    [("E6", dq), ("F#6", e), ("E6", q), ("C#6", q)],
    [("D6", q), ("B5", q), ("C#6", q), ("E6", q)],
    [("D6", dh), (None, q)],
    # Ending: the tonic climbs and rings.
    [("F#5", e), ("A5", e), ("D6", e), ("F#6", e), ("A6", h)],
]

# Chords, bar by bar: one or two (root for the bass, voicing for the strings).
CHORDS = [
    [("D2", ["D4", "F#4", "A4"])],
    [("B1", ["D4", "F#4", "B4"])],
    [("G1", ["D4", "G4", "B4"])],
    [("A1", ["C#4", "E4", "A4"])],
    [("D2", ["D4", "F#4", "A4"])],
    [("B1", ["D4", "F#4", "B4"])],
    [("E2", ["E4", "G4", "B4"]), ("A1", ["C#4", "E4", "A4"])],
    [("D2", ["D4", "F#4", "A4"])],
    [("G1", ["D4", "G4", "B4"])],
    [("A1", ["C#4", "E4", "A4"])],
    [("F#1", ["C#4", "F#4", "A4"])],
    [("B1", ["D4", "F#4", "B4"])],
    [("G1", ["D4", "G4", "B4"])],
    [("A1", ["C#4", "E4", "A4"])],
    [("E2", ["D4", "G4", "B4"]), ("A1", ["C#4", "G4", "A4"])],
    [("D2", ["D4", "F#4", "A4"])],
    [("D2", ["D4", "F#4", "A4", "D5"])],
]

assert len(MELODY) == len(CHORDS)
for n, bar in enumerate(MELODY, 1):
    assert sum(d for _, d in bar) == 8, f"bar {n} of the melody is not four beats long"


def vlq(n):
    """A MIDI variable-length quantity."""
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []          # (tick, order, bytes): note-offs sort before note-ons
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + vlq(len(data)) + data))

    def program(self, channel, number):
        self.events.append((0, 1, bytes([0xC0 | channel, number])))

    def control(self, tick, channel, number, value):
        self.events.append((tick, 1, bytes([0xB0 | channel, number, value])))

    def note(self, tick, length, channel, note, velocity):
        self.events.append((tick, 2, bytes([0x90 | channel, note, velocity])))
        self.events.append((tick + length, 0, bytes([0x80 | channel, note, 0])))

    def chunk(self):
        data = bytearray()
        now = 0
        for tick, _, event in sorted(self.events, key=lambda x: (x[0], x[1])):
            data += vlq(tick - now) + event
            now = tick
        data += vlq(0) + b"\xFF\x2F\x00"      # end of track
        return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def compose():
    eighth = TPQ // 2
    bars = len(MELODY)

    conductor = Track("Velno")
    conductor.meta(0, 0x51, struct.pack(">I", 60_000_000 // BPM)[1:])   # tempo
    conductor.meta(0, 0x58, bytes([4, 2, 24, 8]))                        # 4/4

    melody = Track("Vibrafono")
    melody.program(0, 11)
    melody.control(0, 0, 7, 110)
    melody.control(0, 0, 91, 50)          # a little reverb
    for n, bar in enumerate(MELODY):
        t = n * BAR
        for name, length in bar:
            if name:
                last = n == bars - 1
                melody.note(t, length * eighth - (0 if last else 20), 0, pitch(name), 100 if last else 96)
            t += length * eighth

    strings = Track("Archi")
    strings.program(1, 48)
    strings.control(0, 1, 7, 80)
    strings.control(0, 1, 91, 70)
    bass = Track("Basso")
    bass.program(2, 33)
    bass.control(0, 2, 7, 105)
    for n, chords in enumerate(CHORDS):
        t = n * BAR
        span = BAR // len(chords)
        for root, voicing in chords:
            for name in voicing:
                strings.note(t, span - 10, 1, pitch(name), 58)
            r = pitch(root)
            if n == bars - 1:
                bass.note(t, BAR, 2, r, 90)
            elif span == BAR:
                # root, root, fifth, octave: a walking feel under whole-bar chords
                at = t
                for step, length, vel in [(0, dq, 92), (0, e, 70), (7, q, 84), (12, q, 80)]:
                    bass.note(at, length * eighth - 30, 2, r + step, vel)
                    at += length * eighth
            else:
                bass.note(t, dq * eighth - 30, 2, r, 90)
                bass.note(t + dq * eighth, e * eighth - 20, 2, r + 7, 72)
            t += span

    drums = Track("Batteria")
    drums.control(0, 9, 7, 90)
    for n in range(bars):
        t = n * BAR
        if n == bars - 1:
            drums.note(t, TPQ, 9, 49, 70)        # crash
            drums.note(t, TPQ, 9, 36, 80)
            continue
        for k in range(8):                       # closed hi-hat on the eighths
            drums.note(t + k * eighth, eighth // 2, 9, 42, 52 if k % 2 else 62)
        drums.note(t, eighth, 9, 36, 84)         # kick on one and three
        drums.note(t + 2 * TPQ, eighth, 9, 36, 76)
        drums.note(t + TPQ, eighth, 9, 37, 64)   # side stick on two and four
        drums.note(t + 3 * TPQ, eighth, 9, 37, 64)

    tracks = [conductor, melody, strings, bass, drums]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TPQ)
    return header + b"".join(t.chunk() for t in tracks)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "Internet.mid"
    out.write_bytes(compose())
    seconds = len(MELODY) * 4 * 60 / BPM
    print(f"{out}: {len(MELODY)} bars, {seconds:.1f} s")


if __name__ == "__main__":
    main()
