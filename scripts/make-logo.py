#!/usr/bin/env python3
"""Draws the about box's built-in logo: controls/resources/MarlockLogo.png, 147 by 120 pixels.

A small letter grid on a night-blue tile with a gold rim, the word GLEAM ringed in lime across
its top row and MEW ringed in pink down its last column, and the maker's name below. The
picture keeps ten clear columns at either side, so the about box's 137-pixel logo frame shows
all of it. Uses ImageMagick's `convert`.

Usage: scripts/make-logo.py   (run from anywhere)
"""
import os
import subprocess

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(TOP, "controls", "resources", "MarlockLogo.png")
WIDTH, HEIGHT = 147, 120
ROWS = ["GLEAM", "AROSE", "MINTW"]
CELL = 21
LEFT, TOP_Y = 21, 10


def main():
    draw = [
        "-fill", "#16224e", "-stroke", "#d4a82a", "-strokewidth", "2",
        "-draw", "roundrectangle 12,3 134,80 9,9",
        "-stroke", "none",
        "-fill", "#7cff5a60", "-draw",
        f"roundrectangle {LEFT - 2},{TOP_Y - 1} {LEFT + 5 * CELL + 1},{TOP_Y + CELL - 1} 10,10",
        "-fill", "#ff5ad060", "-draw",
        f"roundrectangle {LEFT + 4 * CELL - 1},{TOP_Y + 1} {LEFT + 5 * CELL - 1},{TOP_Y + 3 * CELL + 1} 10,10",
        "-font", "DejaVu-Sans-Bold", "-pointsize", "14", "-fill", "#f2f2ff",
    ]
    for r, row in enumerate(ROWS):
        for c, letter in enumerate(row):
            x = LEFT + c * CELL + 5
            y = TOP_Y + r * CELL + 16
            draw += ["-draw", f"text {x},{y} '{letter}'"]
    draw += [
        "-font", "DejaVu-Serif-Bold", "-pointsize", "17", "-fill", "#d4a82a",
        "-stroke", "#5a3c00", "-strokewidth", "0.6",
        "-gravity", "north", "-draw", "text 0,88 'MARLOCK'",
    ]
    subprocess.run(["convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:none", *draw,
                    "-depth", "8", "-define", "png:color-type=6", OUT], check=True)


if __name__ == "__main__":
    main()
