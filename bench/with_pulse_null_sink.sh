#!/bin/sh
# Runs a latency bench against a real sound server: a private PulseAudio with a null sink (its
# own runtime folder, so a desktop's server is left alone), its threads at real-time priority as
# desktop servers run through rtkit, and the bench at real-time priority too. The server keeps a
# debug log whose path is in TESSAL_PULSE_LOG; the playback bench counts the server's own
# underruns from it.
#
# Usage: bench/with_pulse_null_sink.sh BENCH [options...]
#   e.g. bench/with_pulse_null_sink.sh build/bench/bench_playback_accuracy --rounds 4
#        bench/with_pulse_null_sink.sh build/bench/bench_playback_accuracy --keyer --rounds 1
#        bench/with_pulse_null_sink.sh build/bench/bench_sidetone_latency 128 1000
# Needs pulseaudio and pulseaudio-utils (scripts/setup.sh installs them); run as root for the
# real-time priorities (without, everything runs at normal priority and it says so).
set -eu
[ $# -gt 0 ] && [ -x "$1" ] || { echo "usage: $0 BENCH [options...] (build first)" >&2; exit 2; }
command -v pulseaudio >/dev/null || { echo "pulseaudio is not installed" >&2; exit 2; }

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse"
export TESSAL_PULSE_LOG="$runtime/server.log"
stop() {
    pactl exit >/dev/null 2>&1 || pulseaudio -k >/dev/null 2>&1 || true
    sleep 0.3
    rm -rf "$runtime"
}
trap stop EXIT INT TERM

pulseaudio -D -n --exit-idle-time=-1 --system=false --log-level=debug --log-time=1 \
    --log-target="file:$TESSAL_PULSE_LOG" \
    --load="module-native-protocol-unix" \
    --load="module-null-sink sink_name=tessal_null" 2>/dev/null
for _ in 1 2 3 4 5 6 7 8 9 10; do pactl info >/dev/null 2>&1 && break; sleep 0.3; done
pactl set-default-sink tessal_null

rt=""
server=$(pgrep -n -x pulseaudio || true)
if [ -n "$server" ] && chrt -f -p 60 "$server" >/dev/null 2>&1; then
    for task in /proc/"$server"/task/*; do chrt -f -p 60 "${task##*/}"; done
    rt="chrt -f 50"
    echo "sound server $server and the bench at real-time priority"
else
    echo "no real-time priority here: server and bench run at normal priority"
fi
SDL_AUDIODRIVER=pulseaudio $rt "$@"
