#!/usr/bin/env bash
# Builds everything and runs every test.
#   ./test.sh              in build/
#   ./test.sh --sanitize   in build-asan/, under AddressSanitizer and
#                          UndefinedBehaviorSanitizer; then the fuzz targets
#                          with clang and libFuzzer (tools/fuzz.sh)
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
"") build=build sanitize=OFF ;;
--sanitize) build=build-asan sanitize=ON ;;
*)
    echo "usage: ./test.sh [--sanitize]" >&2
    exit 2
    ;;
esac
tools/deps.sh
if [ "$sanitize" = ON ]; then source tools/sanitizer-options.sh; fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE="$sanitize"
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
if [ "$sanitize" = ON ]; then tools/fuzz.sh; fi
