#!/usr/bin/env python3
"""Runs bench_tiff_codecs and prints, for every row, libtiff's time over ours (above 1: this library is
faster).  Ours and libtiff's runs are interleaved and repeated, and each side's least CPU time is used:
other work on a shared machine only ever adds time, and weighs on both sides alike.
    bench/tiffio32/codec_ratios.py build/bench/bench/tiffio32/bench_tiff_codecs [repetitions] [filter]"""
import json
import subprocess
import sys

ROWS = {
    "0/0": "A4 Group 3", "0/1": "A4 Group 4", "0/2": "A4 PackBits",
    "1/3": "grey LZW", "1/4": "grey LZW with predictor", "1/2": "grey PackBits",
    "2/3": "RGB LZW", "2/4": "RGB LZW with predictor", "2/2": "RGB PackBits",
}


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    repetitions = sys.argv[2] if len(sys.argv) > 2 else "5"
    pattern = sys.argv[3] if len(sys.argv) > 3 else "."
    run = subprocess.run([sys.argv[1], "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
                          "--benchmark_enable_random_interleaving=true",
                          f"--benchmark_filter={pattern}"], capture_output=True, text=True, check=True)
    least = {}
    for b in json.loads(run.stdout)["benchmarks"]:
        if b.get("run_type") == "iteration":
            least[b["run_name"]] = min(b["cpu_time"], least.get(b["run_name"], b["cpu_time"]))
    for kind in ("Decode", "Encode"):
        for case, name in ROWS.items():
            ours, theirs = least.get(f"{kind}Ours/{case}"), least.get(f"{kind}Libtiff/{case}")
            if ours and theirs:
                print(f"{kind.lower()} {name:<26} ours {ours:8.2f} ms  libtiff {theirs:8.2f} ms  ratio {theirs / ours:5.2f}")
            elif ours or theirs:
                print(f"{kind.lower()} {name:<26} {'ours' if ours else 'libtiff'} {ours or theirs:8.2f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
