#!/usr/bin/env bash
# Command (1): installs what is missing, builds the optimised program and runs the main job, the
# unattended run of the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=OFF >/dev/null
cmake --build build/release
run=build/release/run
rm -rf "$run"
mkdir -p "$run/home"
cp data/samples/*.QLM "$run/"
cd "$run"
../quillpro2008 --home home SAMPLE.QLM -r
echo "The unattended run finished; its files are in $(pwd)"
ls -l
