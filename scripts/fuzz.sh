#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for [seconds] (default 60)
# from its seed corpus in tests/fuzz/corpus/. New inputs go to build-fuzz/corpus/, never into
# the repository; a crash leaves its input in build-fuzz/crashes/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ not found (scripts/setup.sh installs it)" >&2
    exit 1
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTESSAL_BUILD_FUZZ=ON \
    -DTESSAL_BUILD_TESTS=OFF -DTESSAL_BUILD_BENCH=OFF >/dev/null
targets=()
for source in tests/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
export QT_QPA_PLATFORM=offscreen
mkdir -p build-fuzz/crashes
status=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    log="build-fuzz/$target.log"
    if build-fuzz/tests/fuzz/"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -rss_limit_mb=2048 -artifact_prefix=build-fuzz/crashes/"$target"- \
        "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        result="ok"
    else
        result="FAILED (see $log)"
        status=1
        tail -n 30 "$log" >&2
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    printf '%-22s %12s executions in %ss: %s\n' "$target" "$runs" "$seconds" "$result"
done
exit $status
