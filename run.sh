#!/usr/bin/env bash
# Builds the engine (installing the tools it needs) and starts it on standard input.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh >&2
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >&2
cmake --build build -j"$(nproc)" --target talvex >&2
exec build/talvex
