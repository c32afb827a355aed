#!/usr/bin/env bash
# Builds Vellmaster and runs every test: the full build with the front end,
# then the core alone under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/default -j "$jobs"
ctest --test-dir build/default --output-on-failure -j "$jobs"

cmake -S . -B build/asan -G Ninja -DVELLMASTER_GUI=OFF -DVELLMASTER_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"
