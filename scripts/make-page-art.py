#!/usr/bin/env python3
"""Draws the two pictures of the printed page's title band.

title-left.png: a magnifying glass over three letter tiles. title-right.png: a small letter grid
in which one word is ringed, as a player marks it. Both on white, at print resolution. Uses
ImageMagick's `convert`.

Usage: scripts/make-page-art.py   (run from anywhere; writes into page/resources)
"""
import os
import subprocess

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(TOP, "page", "resources")
FONT = "DejaVu-Sans-Bold"


def run(*args):
    subprocess.run(list(args), check=True)


def left_picture():
    draw = []
    for i, (letter, colour) in enumerate((("W", "#2f6fd0"), ("O", "#c03a3a"), ("R", "#2f9a4a"))):
        x = 30 + i * 115
        draw += ["-fill", colour, "-stroke", "#202040", "-strokewidth", "6",
                 "-draw", "roundrectangle %d,150 %d,260 18,18" % (x, x + 105),
                 "-fill", "white", "-stroke", "none", "-font", FONT, "-pointsize", "78",
                 "-draw", "text %d,235 '%s'" % (x + 24, letter)]
    run("convert", "-size", "400x400", "xc:white", *draw,
        "-stroke", "#8a5a20", "-strokewidth", "34", "-draw", "line 250,250 370,370",
        "-fill", "rgba(150,200,255,0.35)", "-stroke", "#404a60", "-strokewidth", "16",
        "-draw", "circle 185,185 185,60",
        "-fill", "none", "-stroke", "rgba(255,255,255,0.9)", "-strokewidth", "10",
        "-draw", "arc 100,100 200,200 190,260",
        "-strip", os.path.join(RESOURCES, "title-left.png"))


def right_picture():
    rows = ["GLIMR", "AWORD", "SETXQ", "PUZLE", "KMFIN"]
    draw = ["-fill", "rgba(255,200,40,0.55)", "-stroke", "#d08a20", "-strokewidth", "6",
            "-draw", "roundrectangle 128,125 512,215 45,45",
            "-fill", "none", "-stroke", "#303030", "-strokewidth", "6",
            "-draw", "rectangle 20,20 520,520"]
    for r, row in enumerate(rows):
        for c, letter in enumerate(row):
            draw += ["-fill", "#1a2a6a", "-stroke", "none", "-font", FONT, "-pointsize", "66",
                     "-draw", "text %d,%d '%s'" % (48 + c * 98, 95 + r * 98, letter)]
    run("convert", "-size", "540x540", "xc:white", *draw,
        "-strip", os.path.join(RESOURCES, "title-right.png"))


def main():
    os.makedirs(RESOURCES, exist_ok=True)
    left_picture()
    right_picture()


if __name__ == "__main__":
    main()
