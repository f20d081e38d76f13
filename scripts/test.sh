#!/usr/bin/env bash
# Sets everything up, builds everything and runs the whole test suite (no display or sound card
# needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
ctest --test-dir build --output-on-failure -j"$(nproc)"
