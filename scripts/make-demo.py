#!/usr/bin/env python3
"""Builds the five demonstration puzzles in data/Demo: for each, a grid file (.glm) and an answer
file (.ans). Answers are placed at random in all eight directions, preferring places where they
cross letters already laid; the cells left over get random letters. A fixed seed per puzzle keeps
the files the same from run to run.

Usage: scripts/make-demo.py [output folder]   (default: data/Demo beside this script's folder)
"""
import os
import random
import sys

DIRECTIONS = [(1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (-1, -1), (1, -1), (-1, 1)]  # (column, row) steps

PUZZLES = [
    # answer file, grid file, rows, columns, seed, answers
    ("CityAns.ans", "Citys.glm", 16, 16, 11, """PARIS LONDON ROME MADRID BERLIN VIENNA LISBON ATHENS OSLO
        CAIRO TOKYO OTTAWA DUBLIN WARSAW PRAGUE LIMA QUITO NAIROBI CANBERRA MOSCOW HAVANA DELHI BEIJING
        SEOUL HANOI BERN"""),
    ("Actress.ans", "Actress.glm", 16, 16, 22, """SABRINA CHARADE FUNNYFACE ROMANHOLIDAY MYFAIRLADY
        WAITUNTILDARK GREENMANSIONS WARANDPEACE THEUNFORGIVEN ALWAYS BLOODLINE ROBINANDMARIAN
        TWOFORTHEROAD"""),
    ("family.ans", "family.glm", 14, 14, 33, """MOTHER FATHER SISTER BROTHER AUNT UNCLE COUSIN NIECE
        NEPHEW GRANDMA GRANDPA SON DAUGHTER BABY TWIN WIFE HUSBAND"""),
    ("Simple.ans", "Simple.glm", 12, 12, 44, "CAT DOG SUN HAT BED CUP PEN BOX EGG MAP"),
    ("Movies.ans", "Movies.glm", 18, 18, 55, """CASABLANCA KEYLARGO HIGHSIERRA SAHARA THEBIGSLEEP
        DARKPASSAGE DEADEND THEAFRICANQUEEN THECAINEMUTINY SABRINA BEATTHEDEVIL THEMALTESEFALCON
        TOHAVEANDHAVENOT KNOCKONANYDOOR INALONELYPLACE THEDESPERATEHOURS"""),
]


def places(grid, word, rows, cols, direction):
    """Every start (column, row) where word fits in direction, with the number of letters it shares."""
    dc, dr = direction
    found = []
    for r in range(rows):
        for c in range(cols):
            end_c, end_r = c + dc * (len(word) - 1), r + dr * (len(word) - 1)
            if not (0 <= end_c < cols and 0 <= end_r < rows):
                continue
            shared = 0
            for i, letter in enumerate(word):
                cell = grid[r + dr * i][c + dc * i]
                if cell is None:
                    continue
                if cell != letter:
                    break
                shared += 1
            else:
                if shared < len(word):
                    found.append((shared, c, r))
    return found


def build(rows, cols, seed, words):
    rng = random.Random(seed)
    for _ in range(1000):
        grid = [[None] * cols for _ in range(rows)]
        used = []
        ok = True
        # Longest first; the first eight take one direction each so that every direction occurs.
        order = sorted(words, key=len, reverse=True)
        for n, word in enumerate(order):
            directions = [DIRECTIONS[n]] if n < 8 else rng.sample(DIRECTIONS, len(DIRECTIONS))
            options = []
            for direction in directions:
                options += [(shared, c, r, direction) for shared, c, r in places(grid, word, rows, cols, direction)]
            if not options:
                ok = False
                break
            best = max(o[0] for o in options)
            # Cross where possible, but not always at the most crowded place.
            pool = [o for o in options if o[0] == best] if best and rng.random() < 0.7 else options
            shared, c, r, (dc, dr) = rng.choice(pool)
            for i, letter in enumerate(word):
                grid[r + dr * i][c + dc * i] = letter
            used.append((word, shared))
        crossings = sum(1 for _, shared in used if shared)
        if ok and crossings >= max(2, len(words) // 4):
            for row in grid:
                for i, cell in enumerate(row):
                    if cell is None:
                        row[i] = chr(ord("A") + rng.randrange(26))
            return grid
    raise SystemExit("could not place the words; try another seed")


def write_lines(path, lines):
    with open(path, "wb") as f:
        for line in lines:
            f.write(line.encode("ascii") + b"\r\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "Demo")
    os.makedirs(out, exist_ok=True)
    for answer_file, grid_file, rows, cols, seed, text in PUZZLES:
        words = text.split()
        grid = build(rows, cols, seed, words)
        write_lines(os.path.join(out, answer_file), words)
        lines = [str(rows), str(cols)]
        for r in range(rows + 1):
            for c in range(cols + 1):
                lines.append(grid[r][c] if r < rows and c < cols else "")
        write_lines(os.path.join(out, grid_file), lines)
        print(f"{grid_file}: {rows} x {cols}, {len(words)} answers")


if __name__ == "__main__":
    main()
