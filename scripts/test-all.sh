#!/usr/bin/env bash
# Builds Vellmaster and runs every test: the full build with the front end
# and the benchmarks (run once on tiny worlds, bench.smoke, no time checked),
# the core alone under AddressSanitizer and UndefinedBehaviorSanitizer, the
# Windows build (core, runner, tests) with its tests run under Wine, and last
# the libFuzzer targets, each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/default -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLMASTER_BENCH=ON >/dev/null
cmake --build build/default -j "$jobs"
ctest --test-dir build/default --output-on-failure -j "$jobs"

cmake -S . -B build/asan -G Ninja -DVELLMASTER_GUI=OFF -DVELLMASTER_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

# The tests start one Wine session for their run and end it; should they be
# cut short, the session ends here all the same.
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap 'WINEPREFIX="$PWD/build/windows/wineprefix" "$wineserver" -k 2>/dev/null || true' EXIT
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
ctest --preset windows -j "$jobs"

# Last, so that a finding never hides what the stages above report: each
# target for FUZZ_SECONDS (20 s), failing on any finding.
FUZZ_SECONDS="${FUZZ_SECONDS:-20}" bash scripts/fuzz.sh
