"""Writes the DXF import benchmark's drawing with ezdxf and times ezdxf reading it back.

usage: make_dxf_bench.py OUT.dxf [ENTITIES]
The drawing (R2000) holds ENTITIES entities (default 200000) in model space: lines, arcs, circles,
light polylines with bulges, splines, inserts of a small block and a few texts.  Prints the processor seconds
ezdxf.readfile takes on it, the figure the import is compared with.
"""
import random
import sys
import time

import ezdxf

out = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 200000
rng = random.Random(2008)

doc = ezdxf.new("R2000")
block = doc.blocks.new("PART", base_point=(0.5, 0.5))
for a, b in [((0, 0), (1, 0)), ((1, 0), (1, 1)), ((1, 1), (0, 1)), ((0, 1), (0, 0))]:
    block.add_line(a, b)
block.add_circle((0.5, 0.5), 0.25)
msp = doc.modelspace()
for i in range(count):
    x, y = rng.uniform(0, 100), rng.uniform(0, 100)
    kind = i % 200
    if kind < 80:
        msp.add_line((x, y), (x + rng.uniform(-2, 2), y + rng.uniform(-2, 2)))
    elif kind < 110:
        msp.add_arc((x, y), rng.uniform(0.1, 2), rng.uniform(0, 360), rng.uniform(0, 360))
    elif kind < 140:
        msp.add_circle((x, y), rng.uniform(0.1, 2))
    elif kind < 170:
        points = [(x + j * 0.5, y + (j % 2) * 0.5, 0, 0, 0.4 if j % 2 else 0) for j in range(5)]
        msp.add_lwpolyline(points, format="xyseb")
    elif kind < 180:
        msp.add_open_spline([(x + j, y + (j % 2)) for j in range(5)], degree=3)
    elif kind < 199:
        msp.add_blockref("PART", (x, y), dxfattribs={"rotation": rng.uniform(0, 360)})
    else:
        msp.add_text("N%d" % i, dxfattribs={"height": 0.2}).set_placement((x, y))
doc.saveas(out)

start = time.process_time()
ezdxf.readfile(out)
print("%.3f" % (time.process_time() - start))
