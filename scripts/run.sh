#!/usr/bin/env bash
# Sets everything up and starts the trainer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cd build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the trainer on a virtual X server." >&2
    exec xvfb-run -a -s "-screen 0 1024x768x24" ./tessal
fi
exec ./tessal
