#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need.  Safe to run again: it installs only
# what is missing.  Usage: scripts/deps.sh [--tests]
set -euo pipefail

runtime=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libfreetype-dev libfontconfig-dev
         fonts-liberation2 libhunspell-dev hunspell-en-us potrace libpotrace-dev sane-utils hershey-fonts-data)
testing=(googletest libgtest-dev libgmock-dev libbenchmark-dev libtiff-tools libtiff-dev xvfb python3 python3-ezdxf
         fonts-dejavu-extra xauth locales emf2svg desktop-file-utils shared-mime-info dpkg-dev)

want=("${runtime[@]}")
if [[ "${1:-}" == "--tests" ]]; then
  want+=("${testing[@]}")
fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests check that files are written with a point under a comma locale.
if [[ "${1:-}" == "--tests" ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not make the de_DE.UTF-8 locale"
fi
