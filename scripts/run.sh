#!/usr/bin/env bash
# Builds only the trainer and starts it, one line per stage. Build output goes to build/run.log,
# which is shown only when a stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build
log="$PWD/build/run.log"
: >"$log"

stage() {
    local what="$1"
    shift
    printf '%s ... ' "$what"
    local started=$SECONDS
    if "$@" >>"$log" 2>&1; then
        echo "done ($((SECONDS - started)) s)"
    else
        echo "failed; the log follows ($log)"
        cat "$log" >&2
        exit 1
    fi
}

stage "Checking the Debian packages" scripts/setup.sh
stage "Building the trainer" cmake --build build --target tessal
cd build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting Tessal on a virtual X server (no display found)"
    exec xvfb-run -a -s "-screen 0 1024x768x24" ./tessal
fi
echo "Starting Tessal"
exec ./tessal
