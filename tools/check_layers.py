#!/usr/bin/env python3
"""Checks that the source tree keeps its layer order; prints each offending include line and exits 1.

usage: check_layers.py SOURCE_DIR LAYER...   (the core's layers, lowest first)

- a core layer includes only itself and the layers below it;
- nothing under src/core or src/tiffio32 includes Qt;
- the TIFF library includes only its own folders and its public header;
- the Qt drawing surface includes only itself and the core up to the view layer.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT = re.compile(r'^(Q[A-Za-z]*|Qt[A-Za-z]*/.*|qt[a-z]*/.*)$')
SOURCE_EXT = ('.h', '.hpp', '.c', '.cpp')


def sources(folder):
    for dirpath, _, files in os.walk(folder):
        for name in sorted(files):
            if name.endswith(SOURCE_EXT):
                yield os.path.join(dirpath, name)


def includes(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, line.strip(), m.group(1) == '<', m.group(2)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    top, layers = argv[1], argv[2:]
    faults = []

    def fault(path, number, line, why):
        faults.append(f'{os.path.relpath(path, top)}:{number}: {line}  ({why})')

    for position, layer in enumerate(layers):
        above = set(layers[position + 1:])
        for path in sources(os.path.join(top, 'src', 'core', layer)):
            for number, line, system, name in includes(path):
                if system and QT.match(name):
                    fault(path, number, line, 'the core does not use Qt')
                elif not system and name.split('/')[0] in above:
                    fault(path, number, line, f'{layer} may not include {name.split("/")[0]}, a layer above it')

    tiff_own = ('api/', 'container/', 'codecs/', 'dib/')
    for path in sources(os.path.join(top, 'src', 'tiffio32')):
        for number, line, system, name in includes(path):
            if system and QT.match(name):
                fault(path, number, line, 'the TIFF library does not use Qt')
            elif not system and not (name.startswith(tiff_own) or name == 'tiffio32.h'):
                fault(path, number, line, 'the TIFF library includes only its own folders')

    # The drawing surface sits on the view layer: it may use that layer and those below it.
    below_surface = set(layers[:layers.index('view') + 1]) if 'view' in layers else set()
    for path in sources(os.path.join(top, 'src', 'qtcanvas')):
        for number, line, system, name in includes(path):
            core_header = name.split('/')[0] in below_surface and os.path.exists(os.path.join(top, 'src', 'core', name))
            if not system and not name.startswith('qtcanvas/') and not core_header:
                fault(path, number, line, 'the drawing surface uses only the core up to the view layer')

    if faults:
        print('Includes that break the layer order:', *faults, sep='\n', file=sys.stderr)
        return 1
    print('Layer order holds:', ' < '.join(layers))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
