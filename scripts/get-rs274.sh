#!/usr/bin/env bash
# Puts LinuxCNC's standalone G-code interpreter rs274 under build/rs274/, unpacked from its Debian
# packages without installing them.  The end-to-end tests feed it the program's G-code.  Safe to run
# again; when the packages cannot be fetched it says so and the tests that need it are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

dest=build/rs274
if [[ -x "$dest/usr/bin/rs274" ]]; then
  exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && apt-get download linuxcnc-uspace libboost-python1.74.0 >/dev/null 2>&1); then
  apt-get update -qq >/dev/null 2>&1 || true
  if ! (cd "$work" && apt-get download linuxcnc-uspace libboost-python1.74.0 >/dev/null 2>&1); then
    echo "warning: LinuxCNC's rs274 could not be fetched; the G-code interpreter tests will be skipped"
    exit 0
  fi
fi
mkdir -p "$dest"
for deb in "$work"/*.deb; do
  if ! dpkg -x "$deb" "$dest"; then
    rm -rf "$dest"
    echo "warning: $(basename "$deb") could not be unpacked; the G-code interpreter tests will be skipped"
    exit 0
  fi
done
echo "rs274 is in $dest/usr/bin"
