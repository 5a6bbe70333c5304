#!/usr/bin/env bash
# Builds everything and runs every test.
#   ./test.sh              in build/
#   ./test.sh --sanitize   in build-asan/, under AddressSanitizer and
#                          UndefinedBehaviorSanitizer; then the fuzz targets
#                          with clang and libFuzzer (tools/fuzz.sh)
#   ./test.sh --coverage   in build-coverage/, with gcc's coverage counters; then
#                          prints the line coverage of src/ by the whole suite (gcovr)
set -euo pipefail
cd "$(dirname "$0")"
sanitize=OFF coverage=OFF
case "${1:-}" in
"") build=build ;;
--sanitize) build=build-asan sanitize=ON ;;
--coverage) build=build-coverage coverage=ON ;;
*)
    echo "usage: ./test.sh [--sanitize | --coverage]" >&2
    exit 2
    ;;
esac
tools/deps.sh
if [ "$sanitize" = ON ]; then source tools/sanitizer-options.sh; fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE="$sanitize" \
    -DQUINTARO_COVERAGE="$coverage"
cmake --build "$build" -j"$(nproc)"
if [ "$coverage" = ON ]; then find "$build" -name '*.gcda' -delete; fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
if [ "$sanitize" = ON ]; then tools/fuzz.sh; fi
if [ "$coverage" = ON ]; then
    gcovr --root . --filter 'src/' --object-directory "$build" --print-summary \
        --txt "$build/coverage.txt" -j"$(nproc)" "$build"
fi
