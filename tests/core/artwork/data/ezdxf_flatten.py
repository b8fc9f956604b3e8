"""Prints the flat geometry ezdxf reads from a drawing, for comparison with the import's TMG records.

usage: ezdxf_flatten.py DRAWING.dxf ...
For each drawing a line "# DRAWING.dxf", then one line per piece, in drawing coordinates, blocks inserted (nested too), polylines and dimensions
broken into their lines and arcs:
  L x1 y1 x2 y2         a line (faces and solids give their edges)
  A cx cy r sa fa       a counter-clockwise arc, angles in degrees (a circle: 0 360)
  P x y                 a point
  S kind                an entity whose pieces are not predicted here (splines, texts, ellipses ...)
"""
import sys

import ezdxf


def fmt(*values):
    return " ".join("%.9f" % v for v in values)


def edges(corners):
    corners = list(corners)
    if len(corners) == 4 and corners[3].isclose(corners[2]):
        corners.pop()  # a triangle
    out = []
    for a, b in zip(corners, corners[1:] + corners[:1]):
        if (a - b).magnitude > 1e-9:
            out.append("L " + fmt(a.x, a.y, b.x, b.y))
    return out


def flat(entity, depth=0):
    kind = entity.dxftype()
    extrusion = entity.dxf.extrusion if entity.dxf.is_supported("extrusion") else (0, 0, 1)
    flat_along_z = tuple(extrusion) == (0, 0, 1)
    if kind == "LINE":
        s, e = entity.dxf.start, entity.dxf.end
        return ["L " + fmt(s.x, s.y, e.x, e.y)]
    if kind == "POINT":
        p = entity.dxf.location
        return ["P " + fmt(p.x, p.y)]
    if kind == "CIRCLE" and flat_along_z:
        c = entity.dxf.center
        return ["A " + fmt(c.x, c.y, entity.dxf.radius, 0, 360)]
    if kind == "ARC" and flat_along_z:
        c = entity.dxf.center
        return ["A " + fmt(c.x, c.y, entity.dxf.radius, entity.dxf.start_angle, entity.dxf.end_angle)]
    if kind in ("SOLID", "TRACE") and flat_along_z:
        return edges(entity.vertices())
    if kind == "3DFACE":
        return edges(entity.wcs_vertices())
    plain_polyline = kind == "LWPOLYLINE" or (kind == "POLYLINE" and entity.is_2d_polyline and
                                              not entity.dxf.flags & 4)
    if (plain_polyline and flat_along_z) or kind in ("INSERT", "DIMENSION"):
        if depth >= 5:
            return []
        out = []
        for piece in entity.virtual_entities():
            out += flat(piece, depth + (kind != "LWPOLYLINE" and kind != "POLYLINE"))
        return out
    return ["S " + kind]


for path in sys.argv[1:]:
    print("# " + path)
    for e in ezdxf.readfile(path).modelspace():
        for line in flat(e):
            print(line)
