#!/usr/bin/env python3
"""Turns the Hershey stroke fonts (Debian's hershey-fonts-data, James Hurt's .jhf format) into the
program's engraving font source (.QXS).

Every font comes out the same way: the letter H is 1.0 unit tall with its baseline at Y 0, each glyph
starts at X 0 and its advance is its widest point, characters 32 to 126 are all there (a glyph a face
lacks is taken from Roman simplex), and 127 (degree sign) and 129 (diameter sign) are drawn with arcs.

    hershey_to_qxs.py [--source DIR] [--out DIR]

writes SIMPLEX.QXS, DUPLEX.QXS, TRIPLEX.QXS, SANS.QXS, SCRIPT.QXS, GOTHIC.QXS and GREEK.QXS.
"""

import argparse
import os
import sys

# Output file, Hershey face, and what the face is.
FACES = [
    ("SIMPLEX", "rowmans", "Roman simplex"),
    ("DUPLEX", "rowmand", "Roman duplex"),
    ("TRIPLEX", "rowmant", "Roman triplex"),
    ("SANS", "futural", "Futura light (sans serif)"),
    ("SCRIPT", "scripts", "Script simplex"),
    ("GOTHIC", "gothiceng", "Gothic English"),
    ("GREEK", "greeks", "Greek simplex"),
]
FALLBACK_FACE = "rowmans"

# The Greek face lists its letters in alphabet order (Alpha, Beta, Gamma ...) on A to X.  Keys are laid
# out the way the symbol fonts of desktop systems have them, so H is Eta and Q is Theta; J and V have no
# letter of their own and fall back to Roman.  The key of each letter, in alphabet order:
GREEK_KEYS = "ABGDEZHQIKLMNXOPRSTUFCYW"

ACKNOWLEDGEMENT = [
    "The Hershey Fonts were originally created by Dr. A. V. Hershey while working at the U. S. National Bureau of Standards.",
    "The format of the Font data in this distribution was originally created by James Hurt, Cognition, Inc., 900 Technology Park Drive, Billerica, MA 01821.",
]

DEGREE_SIGN = 127
DIAMETER_SIGN = 129


def read_jhf(path):
    """The glyphs of a .jhf file in order, each a list of strokes of (x, y) in Hershey units (Y down),
    with the glyph's left and right bearing."""
    with open(path, encoding="latin-1") as f:
        text = f.read().replace("\r", "")
    glyphs = []
    pos = 0
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip():
            continue
        count = int(line[5:8])
        data = line[8:]
        # Long glyphs may continue on the following lines.
        while len(data) < 2 * count and i < len(lines):
            data += lines[i]
            i += 1
        glyphs.append(parse_glyph(data[: 2 * count]))
    return glyphs


def parse_glyph(data):
    left = ord(data[0]) - ord("R")
    right = ord(data[1]) - ord("R")
    strokes = [[]]
    for k in range(2, len(data) - 1, 2):
        pair = data[k : k + 2]
        if pair == " R":
            strokes.append([])
            continue
        strokes[-1].append((ord(pair[0]) - ord("R"), ord(pair[1]) - ord("R")))
    return {"left": left, "right": right, "strokes": [s for s in strokes if s]}


def glyph_height_reference(glyphs):
    """Top and baseline of the letter H, in Hershey units."""
    ys = [y for s in glyphs[ord("H") - 32]["strokes"] for _, y in s]
    return min(ys), max(ys)


def fmt(v):
    text = "%.4f" % v
    return "0.0000" if text == "-0.0000" else text


def glyph_lines(glyph, scale, baseline):
    """Motion lines of one glyph: moved so its ink starts at X 0, scaled, Y up from the baseline."""
    xs = [x for s in glyph["strokes"] for x, _ in s]
    if not xs:
        width = (glyph["right"] - glyph["left"]) * scale
        return ["G00 X0.0000 Y0.0000", "G00 X%s Y0.0000" % fmt(width)]
    x0 = min(xs)
    out = []
    for stroke in glyph["strokes"]:
        last = None
        for n, (x, y) in enumerate(stroke):
            p = (fmt((x - x0) * scale), fmt((baseline - y) * scale))
            if p == last:
                continue
            out.append("%s X%s Y%s" % ("G00" if n == 0 else "G01", p[0], p[1]))
            last = p
    return out


def degree_sign():
    # A small ring at the top of the capitals, drawn as two half circles.
    return ["G00 X0.0000 Y0.8500", "G02 X0.3000 Y0.8500 I0.1500 J0.0000", "G02 X0.0000 Y0.8500 I-0.1500 J0.0000"]


def diameter_sign():
    # A circle struck through from bottom left to top right.
    return [
        "G00 X0.1000 Y0.5000",
        "G02 X0.9000 Y0.5000 I0.4000 J0.0000",
        "G02 X0.1000 Y0.5000 I-0.4000 J0.0000",
        "G00 X0.0000 Y0.0000",
        "G01 X1.0000 Y1.0000",
    ]


def greek_glyph(glyphs, code):
    """The Greek face's glyph for a key, or None where the key has no Greek letter."""
    ch = chr(code)
    upper = ch.upper()
    if not ("A" <= upper <= "Z"):
        return glyphs[code - 32]
    if upper not in GREEK_KEYS:
        return None
    slot = GREEK_KEYS.index(upper)
    base = ord("A") if ch.isupper() else ord("a")
    return glyphs[base + slot - 32]


def header(code):
    return "(%s)" % chr(code) if 32 < code < 127 else "(#%d)" % code


def font_source(name, face, description, source_dir):
    glyphs = read_jhf(os.path.join(source_dir, face + ".jhf"))
    fallback = read_jhf(os.path.join(source_dir, FALLBACK_FACE + ".jhf"))
    top, baseline = glyph_height_reference(glyphs)
    scale = 1.0 / (baseline - top)
    fb_top, fb_base = glyph_height_reference(fallback)
    fb_scale = 1.0 / (fb_base - fb_top)
    lines = ["(%s: Hershey %s, converted by tools/hershey/hershey_to_qxs.py)" % (name, description)]
    lines += ["(%s)" % text for text in ACKNOWLEDGEMENT]
    for code in range(32, 127):
        glyph = greek_glyph(glyphs, code) if face == "greeks" else glyphs[code - 32]
        lines.append(header(code))
        if glyph is not None and (glyph["strokes"] or code == 32):
            lines += glyph_lines(glyph, scale, baseline)
        else:
            lines += glyph_lines(fallback[code - 32], fb_scale, fb_base)
    lines.append(header(DEGREE_SIGN))
    lines += degree_sign()
    lines.append(header(DIAMETER_SIGN))
    lines += diameter_sign()
    lines.append("M30")
    return "\r\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", default="/usr/share/hershey-fonts")
    parser.add_argument("--out", default=os.path.join(os.path.dirname(__file__), "..", "..", "data", "fonts"))
    args = parser.parse_args()
    for name, face, description in FACES:
        path = os.path.join(args.out, name + ".QXS")
        with open(path, "w", encoding="latin-1", newline="") as f:
            f.write(font_source(name, face, description, args.source))
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
