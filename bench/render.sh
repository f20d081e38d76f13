#!/usr/bin/env bash
# tessal-render benchmarks: peak memory, speed beside ebook2cw, and multimon-ng reading the
# files back. Prints figures; never part of the test suite.
# usage: bench/render.sh [BUILD_DIR]      (needs ebook2cw, multimon-ng and python3)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
render="$build/tessal-render"
tool="$build/bench/bench_audio_tool"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen

bench/make_text.sh 2000 >"$tmp/w2000.txt"
bench/make_text.sh 10800 >"$tmp/p52k.txt"
bench/make_text.sh 16000 >"$tmp/p77k.txt" # long enough for a WAV past 4 GB
echo "texts: 2000 words = $(wc -c <"$tmp/w2000.txt") bytes, practice file = $(wc -c <"$tmp/p52k.txt") bytes"

# Runs a command; sets cpu (user + system seconds) and peak (max resident KB).
measure() {
    /usr/bin/time -f "%U %S %M" -o "$tmp/time" "$@" >/dev/null 2>"$tmp/err" ||
        { cat "$tmp/err"; exit 1; }
    read -r user sys peak <"$tmp/time"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
}

# How much of the text multimon-ng reads back from a file: similarity of the letters, blanks
# left out (line ends run words together in the trainer's timing).
decoded() {
    "$tool" raw "$1" | multimon-ng -t raw -a MORSE_CW -q - 2>/dev/null | sed 's/^MORSE_CW: //' \
        >"$tmp/decoded.txt" || true
    python3 - "$2" "$tmp/decoded.txt" <<'PY'
import difflib, re, sys
want = re.sub(r"\s", "", open(sys.argv[1]).read().upper())
got = re.sub(r"\s", "", open(sys.argv[2], errors="replace").read().upper())
print("%.1f %% of %d letters" % (100 * difflib.SequenceMatcher(None, want, got).ratio(), len(want)))
PY
}

echo
echo "== speed, 2000 words, 20 WPM, 700 Hz (audio seconds per CPU second) =="
row() { # label file
    local seconds
    seconds=$("$tool" seconds "$2")
    printf "%-46s %9.0f s audio %7.2f s CPU %8.0fx %7d KB peak %8d KB file\n" "$1" "$seconds" \
        "$cpu" "$(awk -v a="$seconds" -v c="$cpu" 'BEGIN { print a / (c > 0 ? c : 0.01) }')" \
        "$peak" "$(($(stat -c %s "$2") / 1024))"
}
cd "$tmp"
measure ebook2cw -w 20 -f 700 -o eb "$tmp/w2000.txt"
row "ebook2cw MP3 (11025 Hz, 16 kbps)" "$tmp/eb0000.mp3"
measure ebook2cw -O -w 20 -f 700 -o eb "$tmp/w2000.txt"
cd - >/dev/null
row "ebook2cw OGG (11025 Hz)" "$tmp/eb0000.ogg"
measure "$render" --paris 20 --tone 700 --file "$tmp/w2000.txt" -o "$tmp/paris.wav"
row "tessal-render --paris 20 WAV (44100 Hz)" "$tmp/paris.wav"
measure "$render" --wpm 20 --tone 700 --file "$tmp/w2000.txt" -o "$tmp/trainer.wav"
row "tessal-render --wpm 20 WAV (trainer's table)" "$tmp/trainer.wav"
measure "$render" --paris 20 --tone 700 --rate 11025 --quality 0 --file "$tmp/w2000.txt" -o "$tmp/paris.mp3"
row "tessal-render --paris 20 MP3 (11025 Hz, -q 0)" "$tmp/paris.mp3"
measure "$render" --paris 20 --tone 700 --rate 11025 --file "$tmp/w2000.txt" -o "$tmp/paris-d.mp3"
row "tessal-render --paris 20 MP3 (11025 Hz, default)" "$tmp/paris-d.mp3"
measure "$render" --paris 20 --tone 700 --rate 11025 --quality 0 --file "$tmp/w2000.txt" -o "$tmp/paris.ogg"
row "tessal-render --paris 20 OGG (11025 Hz, -q 0)" "$tmp/paris.ogg"

echo
echo "== peak memory and read-back, trainer's 20 WPM, 700 Hz =="
for spec in "w2000 wav" "p52k wav" "p77k wav" "p52k mp3 --rate 11025 --quality 0" "p52k ogg --rate 11025 --quality 0"; do
    set -- $spec
    text=$1 ext=$2
    shift 2
    out="$tmp/$text.$ext"
    measure "$render" --wpm 20 --tone 700 "$@" --file "$tmp/$text.txt" -o "$out"
    header=$(head -c 4 "$out" | tr -c '[:alnum:]' '.')
    printf "%-6s %-4s %7d KB peak  %6.2f s CPU  %6d MB  %s  multimon-ng: %s\n" "$text" "$ext" \
        "$peak" "$cpu" "$(($(stat -c %s "$out") / 1048576))" "$header" \
        "$(decoded "$out" "$tmp/$text.txt")"
    rm -f "$out"
done
