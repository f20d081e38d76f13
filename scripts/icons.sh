#!/usr/bin/env bash
# Draws the desktop icon from the window's emblem into data/icons/ (SVG and PNG sizes).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tessal-icon >/dev/null
"$build/tessal-icon" data/icons
ls data/icons
