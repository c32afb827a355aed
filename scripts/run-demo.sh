#!/usr/bin/env bash
# Builds Vellmaster and opens its window on a fresh copy of the demo data.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/default -j "$jobs" --target vellmaster
exec bash demo/run-demo.sh build/default
