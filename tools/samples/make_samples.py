#!/usr/bin/env python3
"""Writes the layout sample projects (arc, curve and TrueType text) from SAMPLE.QLM.

Run from the project root: tools/samples/make_samples.py.  The files come out in the program's own
project format: CR LF lines, tables as 12-wide numbers with 8 decimals.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2] / "data" / "samples"


def read_pairs(path):
    lines = path.read_bytes().decode("latin-1").split("\r\n")
    keys, i = [], 0
    while i < len(lines) and lines[i] != "$ACURVETAB":
        keys.append((lines[i], lines[i + 1]))
        i += 2
    return keys


def w12(v):
    return "%12.8f" % v


def write(name, changes, text, curve=((0, 0),) * 4, height=None):
    pairs = [(k, changes.get(k[1:], v)) for k, v in read_pairs(ROOT / "SAMPLE.QLM")]
    pairs = [(k, str(len(curve)) if k == "$ACNPTS" else v) for k, v in pairs]
    out = []
    for k, v in pairs:
        out += [k, v]
    out.append("$ACURVETAB")
    out += ["%s %s" % (w12(x), w12(y)) for x, y in curve]
    out.append("$ENDTAB")
    chars = "\r\n".join(text)
    spacing = float(changes.get("CHRSPACE", "0.125"))
    high = float(height or changes.get("TEXTHIGH", "0.5"))
    out.append("$VSPACETAB")
    out += ["%s %d" % (w12(spacing), ord(c)) for c in chars]
    out.append("$ENDTAB")
    out.append("$VHEIGHTTAB")
    out += ["%s %d" % (w12(high), ord(c)) for c in chars]
    out += ["$ENDTAB", "$ARTFILE", "0", "$BEGINTEXT"] + list(text)
    (ROOT / name).write_bytes(("\r\n".join(out) + "\r\n").encode("latin-1"))


write("ARC.QLM", {"TTYPE": "2", "TJUST": "3", "XSTART": "3.0", "YSTART": "0.0", "XEND": "2.5",
                  "TANGLE": "90.0", "LSPACE": "0.75", "TEXTHIGH": "0.5"},
      ["QUILLMARK PRO", "ENGRAVING"])
write("CURVE.QLM", {"TTYPE": "4", "TJUST": "1", "ACPERP": "1", "TEXTHIGH": "0.4", "WFONTNAME": "SCRIPT.QXF"},
      ["Along a curve"],
      curve=((0.5, 0.5), (2.0, 1.5), (3.5, 1.0), (5.0, 2.0), (6.5, 1.5)))
write("TRUETYPE.QLM", {"BFONTTYPE": "1", "FONTNAME": "Arial", "FONTBOLD": "1", "TEXTHIGH": "0.75",
                       "TJUST": "3", "XSTART": "3.0", "YSTART": "1.0", "CHRSPACE": "0.05", "WSPACE": "0.1", "LSPACE": "1.0"},
      ["Quillmark", "Outlines"])
