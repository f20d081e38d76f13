#!/usr/bin/env bash
# Builds the trainer and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitizers/ and runs the whole suite there: any undefined behaviour, memory error or leak
# fails the test it happens in.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitizers -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DTESSAL_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitizers -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitizers --output-on-failure -j"$(nproc)"
