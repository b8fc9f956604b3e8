#!/usr/bin/env python3
"""Reads a DXF drawing with ezdxf, audits it and prints what it holds.

usage: ezdxf_audit.py FILE
prints: "version <acadver>", "errors <n>", then one line "<TYPE> <count>" per entity type of the model
space (sorted), and for each POLYLINE "vertices <n> closed <0|1> bulges <k>"; exits 1 when ezdxf cannot
read the file."""
import collections
import sys

import ezdxf


def main(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # noqa: BLE001 - any failure to read is the answer
        print(f"unreadable {e}")
        return 1
    auditor = doc.audit()
    print(f"version {doc.dxfversion}")
    print(f"errors {len(auditor.errors)}")
    msp = doc.modelspace()
    counts = collections.Counter(e.dxftype() for e in msp)
    for kind in sorted(counts):
        print(f"{kind} {counts[kind]}")
    for e in msp.query("POLYLINE"):
        bulges = sum(1 for v in e.vertices if v.dxf.bulge)
        print(f"vertices {len(e.vertices)} closed {int(e.is_closed)} bulges {bulges}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
