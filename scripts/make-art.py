#!/usr/bin/env python3
"""Draws the main window's pictures and makes the two sounds.

background.jpg: a deep night-blue gradient with a faint violet glow, faint scattered letters and
small sparkles. Seven small decorative pictures: six letter tiles and a magnifier. Won.wav and
Bad.wav: a rising chime and a low buzz. Uses python3's standard library, ImageMagick's `convert`
and `sox`; the random choices are seeded so every run makes the same files.

Usage: scripts/make-art.py   (run from anywhere; writes into ui/resources and data/Program Files)
"""
import io
import math
import os
import random
import subprocess
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(TOP, "ui", "resources")
PROGRAM_FILES = os.path.join(TOP, "data", "Program Files")
FONT = "DejaVu-Serif-Bold"
WIDTH, HEIGHT = 1024, 768


def run(*args):
    subprocess.run(list(args), check=True)


def night_sky(path, rng):
    """Writes the gradient, the glow and the sparkles as a binary PPM."""
    glow_x, glow_y = WIDTH * 0.72, HEIGHT * 0.78
    rows = []
    for y in range(HEIGHT):
        t = y / (HEIGHT - 1)
        row = bytearray()
        for x in range(WIDTH):
            d = math.hypot(x - glow_x, (y - glow_y) * 1.4) / WIDTH
            glow = max(0.0, 1.0 - d * 1.8) ** 2
            r = 6 + 22 * t + 70 * glow
            g = 8 + 14 * t + 25 * glow
            b = 28 + 50 * t + 80 * glow
            row += bytes((min(255, int(r)), min(255, int(g)), min(255, int(b))))
        rows.append(row)
    for _ in range(420):
        x, y = rng.randrange(WIDTH), rng.randrange(HEIGHT)
        level = rng.choice((90, 120, 160, 210))
        radius = 1 if level < 200 else 2
        for dy in range(-radius, radius + 1):
            for dx in range(-radius, radius + 1):
                if abs(dx) + abs(dy) > radius:
                    continue
                px, py = x + dx, y + dy
                if 0 <= px < WIDTH and 0 <= py < HEIGHT:
                    fade = level if (dx, dy) == (0, 0) else level // 2
                    i = px * 3
                    row = rows[py]
                    row[i] = max(row[i], fade)
                    row[i + 1] = max(row[i + 1], fade)
                    row[i + 2] = max(row[i + 2], min(255, fade + 30))
    with open(path, "wb") as out:
        out.write(b"P6 %d %d 255\n" % (WIDTH, HEIGHT))
        for row in rows:
            out.write(row)


def scattered_letters(rng):
    """An ImageMagick draw script of faint letters at random places and angles."""
    out = io.StringIO()
    for _ in range(70):
        letter = rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
        x, y = rng.randrange(WIDTH), rng.randrange(HEIGHT)
        size = rng.randrange(18, 64)
        alpha = rng.uniform(0.04, 0.11)
        angle = rng.randrange(-30, 31)
        out.write("push graphic-context\n")
        out.write("fill 'rgba(170,190,255,%.3f)'\n" % alpha)
        out.write("font-size %d\n" % size)
        out.write("translate %d,%d rotate %d\n" % (x, y, angle))
        out.write("text 0,0 '%s'\n" % letter)
        out.write("pop graphic-context\n")
    return out.getvalue()


def background(tmp, rng):
    sky = os.path.join(tmp, "sky.ppm")
    night_sky(sky, rng)
    run("convert", sky, "-font", FONT, "-draw", scattered_letters(rng), "-strip", "-quality", "85",
        os.path.join(RESOURCES, "background.jpg"))


def letter_tile(name, letter, colour):
    run("convert", "-size", "40x40", "xc:none",
        "-fill", colour, "-stroke", "#202040", "-strokewidth", "2",
        "-draw", "roundrectangle 2,2 37,37 7,7",
        "-fill", "#ffffff", "-stroke", "none", "-font", FONT, "-pointsize", "26",
        "-gravity", "center", "-annotate", "+0+1", letter,
        "-strip", os.path.join(RESOURCES, name + ".png"))


def magnifier(name):
    run("convert", "-size", "40x40", "xc:none",
        "-stroke", "#c08a40", "-strokewidth", "6", "-draw", "line 25,25 36,36",
        "-fill", "rgba(160,210,255,0.45)", "-stroke", "#e0e0f0", "-strokewidth", "3",
        "-draw", "circle 16,16 16,4",
        "-fill", "none", "-stroke", "rgba(255,255,255,0.8)", "-strokewidth", "2",
        "-draw", "arc 8,8 20,20 180,260",
        "-strip", os.path.join(RESOURCES, name + ".png"))


def pictures(tmp):
    rng = random.Random(1962)
    background(tmp, rng)
    for name, letter, colour in (("LL", "L", "#2f6fd0"), ("RL", "R", "#c03a3a"), ("OL", "O", "#2f9a4a"),
                                 ("DL", "D", "#8a44c0"), ("EL", "E", "#d08a20"), ("SL", "S", "#1f9aa0")):
        letter_tile(name, letter, colour)
    magnifier("LD")


def note(path, frequency, seconds):
    run("sox", "-R", "-n", "-r", "44100", "-b", "16", "-c", "1", path,
        "synth", str(seconds), "sine", str(frequency), "sine", str(frequency * 2),
        "remix", "-", "fade", "q", "0.005", str(seconds), str(seconds * 0.8), "gain", "-n", "-6")


def sounds(tmp):
    parts = []
    for i, (frequency, seconds) in enumerate(((784, 0.14), (1047, 0.14), (1319, 0.26))):
        part = os.path.join(tmp, "won%d.wav" % i)
        note(part, frequency, seconds)
        parts.append(part)
    run("sox", "-R", *parts, "-r", "44100", "-b", "16", "-e", "signed-integer",
        os.path.join(PROGRAM_FILES, "Won.wav"))
    run("sox", "-R", "-n", "-r", "44100", "-b", "16", "-c", "1", "-e", "signed-integer",
        os.path.join(PROGRAM_FILES, "Bad.wav"),
        "synth", "0.3", "sawtooth", "98", "sawtooth", "104", "remix", "-",
        "lowpass", "600", "fade", "q", "0.01", "0.3", "0.15", "gain", "-n", "-4")


def main():
    os.makedirs(RESOURCES, exist_ok=True)
    os.makedirs(PROGRAM_FILES, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        pictures(tmp)
        sounds(tmp)


if __name__ == "__main__":
    main()
