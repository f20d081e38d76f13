#!/usr/bin/env bash
# How long a new user waits: the README's run command from a fresh clone until the window shows,
# against the test command from another fresh clone, both without the compiler cache.
# bench/first_start.sh [repository]   (needs Xvfb, xdotool and bc; uses display :59)
set -uo pipefail
repo="$(realpath "${1:-$(dirname "$0")/..}")"
work="$(mktemp -d)"
trap 'pkill -f "Xvfb :59" 2>/dev/null; rm -rf "$work"' EXIT
Xvfb :59 -screen 0 1024x768x24 >/dev/null 2>&1 &
export CCACHE_DISABLE=1 DISPLAY=:59 SDL_AUDIODRIVER=dummy
git clone -q "$repo" "$work/run" && git clone -q "$repo" "$work/test"

now() { date +%s.%N; }
cd "$work/run"
started=$(now)
/usr/bin/time -f "%U %S" -o "$work/run.cpu" scripts/run.sh >"$work/run.term" 2>&1 &
runner=$!
xdotool search --sync --name "Tessal Morse Trainer" >/dev/null
shown=$(now)
sleep 1
for pid in $(pgrep -x tessal); do
    [ "$(readlink "/proc/$pid/cwd")" = "$work/run/build" ] && kill -TERM "$pid"
done
wait $runner
run_wall=$(echo "$shown - $started" | bc)
run_cpu=$(awk '{print $1 + $2}' "$work/run.cpu")

cd "$work/test"
started=$(now)
/usr/bin/time -f "%U %S" -o "$work/test.cpu" scripts/test.sh >"$work/test.term" 2>&1
test_status=$?
test_wall=$(echo "$(now) - $started" | bc)
test_cpu=$(awk '{print $1 + $2}' "$work/test.cpu")

printf 'run command to window: %7.1f s wall %7.1f s CPU, %d terminal lines\n' \
    "$run_wall" "$run_cpu" "$(wc -l <"$work/run.term")"
printf 'test command (exit %d): %7.1f s wall %7.1f s CPU\n' "$test_status" "$test_wall" "$test_cpu"
printf 'ratio run/test:         %7.2f wall %7.2f CPU (target at most 0.50)\n' \
    "$(echo "$run_wall / $test_wall" | bc -l)" "$(echo "$run_cpu / $test_cpu" | bc -l)"
sed 's/^/  | /' "$work/run.term"
