#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (under AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz, and runs them.
#
#   tools/fuzz.sh                     replays every seed corpus and fuzzes each
#                                     target briefly from a fixed random seed (ctest)
#   tools/fuzz.sh TARGET [SECONDS]    fuzzes one target (default 120 s)
#   tools/fuzz.sh all [SECONDS]       fuzzes every target in turn
#
# Targets: ini_file, settings, scheme_ini, advise_batch. New inputs found go to
# build-fuzz/tests/fuzz/found/TARGET, and so do crash files (crash-*, leak-*,
# timeout-*); replay one with build-fuzz/tests/fuzz/fuzz_TARGET FILE. An input
# worth keeping is copied into tests/fuzz/corpus/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."

TARGETS=(ini_file settings scheme_ini advise_batch)

tools/deps.sh
# clang, its runtime libraries (libFuzzer, the sanitizers) and llvm-symbolizer
# for readable stack traces; only this script and ./test.sh --sanitize need them.
tools/deps.sh clang libclang-rt-14-dev llvm-14

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUINTARO_GUI=OFF -DQUINTARO_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers

source tools/sanitizer-options.sh

if (($# == 0)); then
    exec ctest --test-dir build-fuzz -L fuzz --output-on-failure -j"$(nproc)"
fi

seconds="${2:-120}"
run() {
    local target="$1" found="build-fuzz/tests/fuzz/found/$1"
    mkdir -p "$found"
    echo "== fuzzing $target for $seconds s"
    build-fuzz/tests/fuzz/"fuzz_$target" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$found/" \
        "$found" "tests/fuzz/corpus/$target"
}
if [ "$1" = all ]; then
    for t in "${TARGETS[@]}"; do run "$t"; done
elif [[ " ${TARGETS[*]} " == *" $1 "* ]]; then
    run "$1"
else
    echo "unknown target '$1'; one of: ${TARGETS[*]} all" >&2
    exit 2
fi
