#!/usr/bin/env bash
# Keys the real window under a virtual X display with the keyboard's Ctrl keys (XTEST, as a
# keyboard sends them) for each key type, and saves what the user then sees into docs/:
# keyer-vertical.png, keyer-bug.png, keyer-stacking.png and setup-serial.png.
# Needs Xvfb, xdotool and ImageMagick's import; DISPLAY_NUMBER picks the display (default 91).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
display=":${DISPLAY_NUMBER:-91}"
key="python3 scripts/fake_key.py"
scratch=$(mktemp -d)
cp "$build/tessal" "$scratch/tessal"
cp -r Dictionary "$scratch/"

Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1
(cd "$scratch" && SDL_AUDIODRIVER=dummy ./tessal >/dev/null 2>&1) &
trainer=$!
cleanup() { kill "$trainer" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
for _ in $(seq 50); do
    window=$(xdotool search --name "Tessal Morse Trainer" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
xdotool windowmove "$window" 0 0
sleep 0.5
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; xdotool mousemove 1000 760; }
shot() { sleep "${2:-0.3}"; import -window "$window" "docs/$1"; }

L=37 R=105
click 410 74                      # Keyer
click 766 126                     # Sound
click 225 126                     # Vertical Key
# "CQ" with a straight key on Left Ctrl (dashes 180 ms, dots 25 ms), then the key held down.
$key $L:180:80 $L:25:80 $L:180:80 $L:25:600 $L:180:80 $L:180:80 $L:25:80 $L:180:1600
$key $L:2500:100 &
holder=$!
shot keyer-vertical.png 1.5
wait "$holder"
click 365 126                     # BUG Key
click 174 319                     # Repeat
# "TEST": a dash, a dot, three dots held with auto-repeat, a dash; the last dash still sounds.
$key $R:20:500 $L:20:500 $L:330:450 $R:20:0
shot keyer-bug.png 0.08
click 505 126                     # Stacking Key
# "73": taps without timing, the stack plays them back
$key $R:30:40 $R:30:40 $L:30:40 $L:30:40 $L:30:300 $L:30:40 $L:30:40 $L:30:40 $R:30:40 $R:30:200
shot keyer-stacking.png 0.1
click 645 21                      # Setup
$key $L:400:100
xdotool mousemove 218 293 click 1 # the port list drops down
sleep 0.3
xdotool key Escape
shot setup-serial.png 0.3
echo "docs/keyer-vertical.png docs/keyer-bug.png docs/keyer-stacking.png docs/setup-serial.png"
