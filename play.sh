#!/usr/bin/env bash
# Builds Quintaro and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quintaro -j"$(nproc)"
exec build/src/quintaro "$@"
