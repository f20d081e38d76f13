#!/bin/sh
# An independent CW decoder (multimon-ng's MORSE_CW) reads what tessal-render writes, at every
# speed: each WAV is read back through libsndfile (bench_audio_tool) as the decoder's 22050 Hz raw
# input with a second of silence after it, and decoded with a fixed dit length of 0.8 dots (its
# automatic timing loses track where the trainer's dashes are barely two dots long). Prints what
# it read and exits 1 on a mismatch.
# Usage: bench/cw_decode_check.sh [build dir] [text] [tone Hz]
set -eu
build="${1:-build}"
text="${2:-CQ CQ DE QX0ZZZ TEST}"
tone="${3:-730}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for row in "10 80" "15 80" "20 70" "25 60" "30 55" "35 50"; do
    set -- $row
    "$build/tessal-render" --wpm "$1" --tone "$tone" --text "$text" -o "$work/r.wav" >/dev/null 2>&1
    { "$build/bench/bench_audio_tool" raw "$work/r.wav" && head -c 44100 /dev/zero; } >"$work/r.raw"
    dit=$(($2 * 8 / 10))
    read=$(multimon-ng -q -c -a MORSE_CW -d "$dit" -g "$dit" -y -t raw "$work/r.raw" 2>/dev/null |
        tr -d '\n' | tr -s ' ')
    printf '%2s WPM: "%s"\n' "$1" "$read"
    [ "$(echo "$read" | tr -d ' ')" = "$(echo "$text" | tr -d ' ')" ] || status=1
done
exit $status
