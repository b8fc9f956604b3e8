"""Writes the drawings the DXF import tests read, with ezdxf, into the folder given as the argument.

common_R12.dxf / common_R2000.dxf: the same entities in both forms (lines, points, circles, arcs, faces,
a solid, a trace, a bulged closed polyline, a block inserted scaled and turned, a nested insert, a text with
a degree sign in model space and a text in the block).
curves_R2000.dxf: LWPOLYLINE with bulges, SPLINE by control points and by fit points.
fitted_R12.dxf: a spline-fit POLYLINE (frame control points only).
dimension_R2000.dxf: a rendered linear dimension (its *D block).
"""
import sys

import ezdxf

out = sys.argv[1]


def common(version):
    doc = ezdxf.new(version)
    doc.layers.add("PARTS", color=3)
    msp = doc.modelspace()
    msp.add_line((0, 0), (4, 0), dxfattribs={"layer": "PARTS"})
    msp.add_point((5, 5))
    msp.add_circle((2, 3), 1)
    msp.add_arc((0, 0), 2, 0, 90)
    msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 0), (1, 1, 0)])
    msp.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)])
    msp.add_trace([(3, 0), (4, 0), (3, 1), (4, 1)])
    pl = msp.add_polyline2d([(0, 0), (2, 0)], close=True)
    pl.vertices[0].dxf.bulge = 1.0
    inner = doc.blocks.new("INNER", base_point=(0, 0))
    inner.add_line((0, 0), (1, 0))
    inner.add_circle((0, 0), 0.5)
    block = doc.blocks.new("B", base_point=(1, 1))
    block.add_line((2, 1), (3, 1))
    block.add_blockref("INNER", (1, 1), dxfattribs={"rotation": 90})
    block.add_text("B", dxfattribs={"height": 0.25, "insert": (1, 1)})
    msp.add_text("50%%d", dxfattribs={"height": 0.5, "insert": (0, -3)})
    msp.add_blockref("B", (10, 0), dxfattribs={"xscale": 2, "yscale": 2, "rotation": 90})
    doc.saveas(f"{out}/common_{version}.dxf")


def curves():
    doc = ezdxf.new("R2000")
    msp = doc.modelspace()
    msp.add_lwpolyline([(0, 0, 1), (2, 0, 0), (2, 2, 0)], format="xyb", close=True)
    msp.add_open_spline([(10, 0), (11, 2), (12, -2), (13, 0)], degree=3)
    msp.add_spline(fit_points=[(20, 0), (21, 1), (22, 0)])
    doc.saveas(f"{out}/curves_R2000.dxf")


def fitted():
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    pl = msp.add_polyline2d([])
    pl.dxf.flags = 4
    for x, y in [(0, 0), (1, 1), (2, 0), (3, 1)]:
        pl.append_vertex((x, y), dxfattribs={"flags": 16})
    pl.append_vertex((9, 9), dxfattribs={"flags": 8})
    doc.saveas(f"{out}/fitted_R12.dxf")


def dimension():
    doc = ezdxf.new("R2000", setup=True)
    msp = doc.modelspace()
    dim = msp.add_linear_dim(base=(0, 2), p1=(0, 0), p2=(5, 0))
    dim.render()
    doc.saveas(f"{out}/dimension_R2000.dxf")


common("R12")
common("R2000")
curves()
fitted()
dimension()
