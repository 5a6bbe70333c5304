#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as .clang-format says.
# Exit status 77 (a skipped test) when clang-format or git is not installed.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed: the formatting check is skipped"
    exit 77
fi
if ! command -v git >/dev/null || ! git rev-parse --git-dir >/dev/null 2>&1; then
    echo "not a git checkout: the formatting check is skipped"
    exit 77
fi
files=()
while IFS= read -r -d '' f; do files+=("$f"); done < <(git ls-files -z -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
