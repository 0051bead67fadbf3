#!/usr/bin/env python3
"""Renders one sound of the game from its text source.

    render.py [--work DIR] [--soundfont SF2] SOURCE OUT

SOURCE is either
  NAME.sox  an effect: "layer" lines, each the sox effects that make one layer out of silence
            (starting with synth), mixed together, then the effects of an optional "mix" line;
  NAME.abc  a score in ABC notation, turned into MIDI by abc2midi and played by FluidSynth
            with a General MIDI soundfont. A score whose OUT name holds "music" is a loop: its
            length is rounded up to whole bars, and what rings on after the last bar (release,
            reverb) is folded back onto its start, so the end flows into the beginning.

Every sound is then levelled: its loudest 50 ms (the RMS of a 50 ms block, channel by channel) is brought to
the target below, unless that would put a sample above the peak ceiling, which wins. Effects
are written as 16-bit mono WAV, music as Ogg Vorbis.
"""

import argparse
import array
import math
import operator
import os
import struct
import subprocess
import sys

RATE = 44100
# dBFS of the loudest 50 ms window, and of the highest sample.
EFFECT_TARGET = -14.0
MUSIC_TARGET = -16.0
PEAK_CEILING = -1.5
# What rings on after a score's last note: seconds of rendering kept past the loop.
TAIL_SECONDS = 4.0


def fail(source, line, message):
    sys.exit(f"{source}:{line}: {message}")


def run(*command):
    # sox's noise and dither are seeded the same on every run, so a build makes the same sound.
    if command[0] == "sox":
        command = ("sox", "-R") + command[1:]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"render.py: {' '.join(command)} failed:\n{result.stderr}")
    return result.stderr


def float_wav(path):
    return ["-e", "floating-point", "-b", "32", path]


def stats(path):
    """(peak dBFS, loudest 50 ms RMS dBFS) of a sound: the RMS of each channel's 50 ms blocks,
    counted from the start, the loudest block of any channel."""
    channels = int(subprocess.run(["sox", "--i", "-c", path], capture_output=True, text=True,
                                  check=True).stdout)
    raw = subprocess.run(["sox", path, "-t", "f32", "-"], capture_output=True, check=True).stdout
    samples = array.array("f")
    samples.frombytes(raw)
    block = RATE // 20
    peak = max(map(abs, samples), default=0.0)
    loudest = 0.0
    for channel in range(channels):
        one = samples[channel::channels]
        for start in range(0, len(one), block):
            part = one[start:start + block]
            loudest = max(loudest, math.sqrt(sum(map(operator.mul, part, part)) / block))
    return decibels(peak), decibels(loudest)


def decibels(level):
    return 20 * math.log10(max(level, 1e-9))


def level(path, target):
    """The gain in dB that brings a sound to the target, the peak ceiling permitting."""
    peak, loudest = stats(path)
    return min(target - loudest, PEAK_CEILING - peak)


# ---------------------------------------------------------------------------------------------
# Effects


def read_recipe(source):
    layers, mix = [], []
    with open(source) as f:
        for number, raw in enumerate(f, start=1):
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            word, _, rest = line.partition(" ")
            if word == "layer":
                if not rest.strip().startswith("synth"):
                    fail(source, number, "a layer starts with synth")
                layers.append(rest.split())
            elif word == "mix":
                if mix:
                    fail(source, number, "only one mix line")
                mix = rest.split()
            else:
                fail(source, number, f"unknown line kind '{word}' (layer or mix)")
    if not layers:
        fail(source, 1, "no layer")
    return layers, mix


def render_effect(source, out, work):
    layers, mix = read_recipe(source)
    stem = os.path.join(work, os.path.basename(out))
    parts = []
    for k, layer in enumerate(layers):
        part = f"{stem}.layer{k}.wav"
        run("sox", "-n", "-r", str(RATE), "-c", "1", *float_wav(part), *layer)
        parts.append(part)
    mixed = f"{stem}.mixed.wav"
    if len(parts) == 1:
        run("sox", parts[0], *float_wav(mixed), *mix)
    else:
        inputs = [a for p in parts for a in ("-v", "1", p)]
        run("sox", "-m", *inputs, *float_wav(mixed), *mix)
    return mixed


# ---------------------------------------------------------------------------------------------
# Scores


def read_number(data, at):
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def write_number(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def read_midi(path):
    """(division, tracks): each track a list of (tick, event bytes), running status spelt out."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"MThd":
        sys.exit(f"{path}: not a MIDI file")
    _, count, division = struct.unpack(">HHH", data[8:14])
    at = 8 + struct.unpack(">I", data[4:8])[0]
    tracks = []
    for _ in range(count):
        length = struct.unpack(">I", data[at + 4:at + 8])[0]
        body, at = data[at + 8:at + 8 + length], at + 8 + length
        events, i, tick, status = [], 0, 0, 0
        while i < len(body):
            delta, i = read_number(body, i)
            tick += delta
            if body[i] >= 0x80:
                status = body[i]
                i += 1
            if status == 0xFF:
                kind = body[i]
                size, j = read_number(body, i + 1)
                events.append((tick, bytes([0xFF, kind]) + body[i + 1:j + size]))
                i = j + size
                status = 0
            elif status in (0xF0, 0xF7):
                size, j = read_number(body, i)
                events.append((tick, bytes([status]) + body[i:j + size]))
                i = j + size
                status = 0
            else:
                size = 1 if status & 0xF0 in (0xC0, 0xD0) else 2
                events.append((tick, bytes([status]) + body[i:i + size]))
                i += size
        tracks.append(events)
    return division, tracks


def write_midi(path, division, tracks):
    chunks = [b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), division)]
    for events in tracks:
        body, last = b"", 0
        for tick, event in events:
            body += write_number(tick - last) + event
            last = tick
        chunks.append(b"MTrk" + struct.pack(">I", len(body)) + body)
    with open(path, "wb") as f:
        f.write(b"".join(chunks))


def loop_of(source, division, tracks):
    """(loop length in ticks, microseconds per quarter note): the last note's end, rounded up
    to a whole bar."""
    tempos, bar, end = set(), division * 4, 0
    for events in tracks:
        for tick, event in events:
            if event[:2] == b"\xff\x51":
                tempos.add(int.from_bytes(event[3:6], "big"))
            elif event[:2] == b"\xff\x58":
                bar = division * 4 * event[3] // (2 ** event[4])
            elif event[0] & 0xF0 in (0x80, 0x90):
                end = max(end, tick)
    if len(tempos) > 1:
        fail(source, 1, "a loop keeps one tempo")
    return -(-end // bar) * bar, tempos.pop() if tempos else 500000


def render_score(source, out, work, soundfont):
    stem = os.path.join(work, os.path.basename(out))
    midi = f"{stem}.mid"
    result = subprocess.run(["abc2midi", source, "-o", midi], capture_output=True, text=True)
    problems = [l for l in result.stdout.splitlines() if l.startswith(("Error", "Warning"))]
    if result.returncode != 0 or problems or not os.path.exists(midi):
        sys.exit(f"{source}: abc2midi: " + ("\n".join(problems) or result.stdout))
    division, tracks = read_midi(midi)
    loop, tempo = loop_of(source, division, tracks)
    # FluidSynth stops with the file: the tracks end later so that the tail is heard.
    tail = int(TAIL_SECONDS * 1e6 / tempo * division)
    for events in tracks:
        if events and events[-1][1][:2] == b"\xff\x2f":
            events[-1] = (loop + tail, events[-1][1])
    write_midi(midi, division, tracks)
    played = f"{stem}.played.wav"
    run("fluidsynth", "-n", "-i", "-q", "-r", str(RATE), "-g", "0.5", "-O", "float", "-T", "wav",
        "-F", played, soundfont, midi)
    if "music" not in os.path.basename(out):
        return played
    frames = round(loop * tempo / division / 1e6 * RATE)
    head, ring, folded = f"{stem}.head.wav", f"{stem}.ring.wav", f"{stem}.folded.wav"
    run("sox", played, *float_wav(head), "trim", "0", f"{frames}s")
    run("sox", played, *float_wav(ring), "trim", f"{frames}s")
    run("sox", "-m", "-v", "1", head, "-v", "1", ring, *float_wav(folded), "trim", "0",
        f"{frames}s")
    return folded


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work", default=".")
    parser.add_argument("--soundfont", default="/usr/share/sounds/sf2/FluidR3_GM.sf2")
    parser.add_argument("source")
    parser.add_argument("out")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    name = os.path.basename(args.out)
    if args.source.endswith(".sox"):
        made = render_effect(args.source, args.out, args.work)
    elif args.source.endswith(".abc"):
        made = render_score(args.source, args.out, args.work, args.soundfont)
    else:
        sys.exit(f"{args.source}: a sound source is a .sox recipe or an .abc score")
    music = "music" in name
    gain = level(made, MUSIC_TARGET if music else EFFECT_TARGET)
    if name.endswith(".ogg"):
        final = os.path.join(args.work, name + ".wav")
        run("sox", made, "-b", "16", final, "gain", f"{gain:.2f}")
        run("oggenc", "-Q", "-q", "5", "-o", args.out, final)
    else:
        run("sox", made, "-b", "16", "-c", "1", args.out, "gain", f"{gain:.2f}")
    peak, loudest = stats(args.out)
    print(f"{name}: loudest 50 ms {loudest:.1f} dBFS, peak {peak:.1f} dBFS")


if __name__ == "__main__":
    main()
