#!/usr/bin/env bash
# Builds everything and runs every test (installing the tools it needs).
#   ./test.sh              release build in build/
#   ./test.sh --sanitize   AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh
dir=build
flags=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DTALVEX_SANITIZE=ON)
fi
cmake -S . -B "$dir" "${flags[@]}"
cmake --build "$dir" -j"$(nproc)"
cd "$dir"
ctest --output-on-failure -j"$(nproc)" -LE deep
