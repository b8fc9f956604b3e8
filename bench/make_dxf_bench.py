"""Writes the DXF import benchmark's drawing with ezdxf and times ezdxf reading it back.

usage: make_dxf_bench.py OUT.dxf [ENTITIES]
The drawing (R2000) holds ENTITIES entities (default 200000, about 75 MB) in model space, the mix of a
shop's production drawing: lines, arcs, circles, light polylines with bulges, splines, a fifth of them
TEXT labels (part numbers, sizes, notes; many repeat), inserts of symbol blocks and of a title block that
holds texts of its own and carries attributes.  Prints the processor seconds ezdxf.readfile takes on it,
the figure the import is compared with.
"""
import math
import random
import sys
import time

import ezdxf

out = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 200000
rng = random.Random(2008)

doc = ezdxf.new("R2000")
layers = ["OUTLINE", "HOLES", "TEXT", "SYMBOLS", "HATCH", "CENTER", "HIDDEN", "DIMS", "TITLE", "PARTS"]
for n, name in enumerate(layers):
    doc.layers.add(name, color=n % 7 + 1)

# Symbols: a bolt, a counterbored hole, an arrow and a small logo.
bolt = doc.blocks.new("BOLT_M6", base_point=(0, 0))
bolt.add_circle((0, 0), 0.3)
bolt.add_line((-0.45, 0), (0.45, 0))
bolt.add_line((0, -0.45), (0, 0.45))
bolt.add_arc((0, 0), 0.2, 30, 150)
hole = doc.blocks.new("HOLE_CB8", base_point=(0, 0))
hole.add_circle((0, 0), 0.4)
hole.add_circle((0, 0), 0.25)
arrow = doc.blocks.new("ARROW", base_point=(0, 0))
arrow.add_lwpolyline([(0, 0), (1, 0.2, 0.3), (1, -0.2), (0, 0)], format="xyb", close=True)
logo = doc.blocks.new("LOGO", base_point=(0.5, 0.5))
logo.add_spline([(0.4, 0.4), (0.45, 0.56), (0.53, 0.44), (0.6, 0.6), (0.66, 0.48)])
logo.add_arc((0.5, 0.5), 0.6, 0, 270)
symbols = ["BOLT_M6", "HOLE_CB8", "ARROW", "LOGO"]

# The title block: a frame, fixed texts (engraved at every insert) and three attributes.
title = doc.blocks.new("TITLE_A3", base_point=(0, 0))
title.add_lwpolyline([(0, 0), (7, 0), (7, 2), (0, 2)], close=True)
title.add_line((0, 1), (7, 1))
title.add_line((3.5, 0), (3.5, 2))
for text, x, y in [("DRAWN", 0.1, 1.6), ("CHECKED", 0.1, 0.6), ("SCALE 1:1", 3.6, 1.6), ("MATERIAL", 3.6, 0.6),
                   ("QUILLMARK WORKS", 0.1, 0.2)]:
    title.add_text(text, dxfattribs={"height": 0.18, "layer": "TITLE"}).set_placement((x, y))
for tag, x, y in [("NAME", 1.2, 1.6), ("PARTNO", 4.8, 1.6), ("REV", 4.8, 0.6)]:
    title.add_attdef(tag, (x, y), dxfattribs={"height": 0.18})

labels = ["M6", "M8", "M10x1.25", "%%c12 H7", "%%c6.5 THRU", "R5", "R12.5", "45%%d", "A", "B", "C", "SECTION A-A",
          "DETAIL 3", "12.50", "0.75", "2X %%c4", "TYP", "DEBURR", "FRONT", "REAR", "LOT 17"]
heights = [0.1, 0.125, 0.15, 0.2, 0.25, 0.35, 0.5]


def point():
    return rng.uniform(0, 400), rng.uniform(0, 300)


def add_text(msp, i, x, y):
    label = labels[rng.randrange(len(labels))] if i % 4 else "P-%05d" % (i // 4)
    rotation = 0.0 if i % 5 else rng.choice([90.0, 180.0, rng.uniform(0, 360)])
    attribs = {"height": rng.choice(heights), "rotation": rotation, "layer": "TEXT"}
    msp.add_text(label, dxfattribs=attribs).set_placement((x, y))


def add_polyline(msp, x, y):
    n = rng.randint(11, 26)
    pts = [(x + j * rng.uniform(0.2, 0.6), y + rng.uniform(-1, 1), 0, 0, rng.choice([0, 0, 0.25, -0.4]))
           for j in range(n)]
    msp.add_lwpolyline(pts, format="xyseb", close=rng.random() < 0.3, dxfattribs={"layer": "OUTLINE"})


def add_spline(msp, x, y):
    n = rng.randint(10, 18)
    msp.add_open_spline([(x + j * 0.4, y + math.sin(j) + rng.uniform(-0.2, 0.2)) for j in range(n)], degree=3,
                        dxfattribs={"layer": "PARTS"})


msp = doc.modelspace()
for i in range(count):
    x, y = point()
    slot = i % 100
    if slot < 20:
        add_text(msp, i, x, y)
    elif slot < 46:
        msp.add_line((x, y), (x + rng.uniform(-3, 3), y + rng.uniform(-3, 3)), dxfattribs={"layer": "OUTLINE"})
    elif slot < 56:
        msp.add_arc((x, y), rng.uniform(0.1, 3), rng.uniform(0, 360), rng.uniform(0, 360))
    elif slot < 66:
        msp.add_circle((x, y), rng.uniform(0.1, 2), dxfattribs={"layer": "HOLES"})
    elif slot < 83:
        add_polyline(msp, x, y)
    elif slot < 89:
        add_spline(msp, x, y)
    elif slot < 99 or i % 200 != 199:
        scale = rng.choice([1.0, 1.0, 0.5, 2.0])
        msp.add_blockref(rng.choice(symbols), (x, y), dxfattribs={
            "rotation": rng.uniform(0, 360), "xscale": scale, "yscale": scale, "layer": "SYMBOLS"})
    else:
        ref = msp.add_blockref("TITLE_A3", (x, y), dxfattribs={"layer": "TITLE"})
        ref.add_auto_attribs({"NAME": "PLATE %d" % i, "PARTNO": "QM-%06d" % i, "REV": rng.choice("ABC")})
doc.saveas(out)

start = time.process_time()
ezdxf.readfile(out)
print("%.3f" % (time.process_time() - start))
