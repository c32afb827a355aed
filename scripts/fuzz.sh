#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its seed corpus
# for a bounded time (FUZZ_SECONDS, default 20). Fails on any finding; the
# input that found it is left in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-20}"
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELLMASTER_FUZZ=ON -DVELLMASTER_GUI=OFF -DVELLMASTER_TESTS=OFF >/dev/null
targets=(profile_read profile_write numbers great_circle note_presets plan_briefing)
cmake --build build/fuzz -j "$jobs" --target "${targets[@]/%/_fuzz}"
mkdir -p build/fuzz/findings
for t in "${targets[@]}"; do
    work="build/fuzz/corpus/$t"
    mkdir -p "$work"
    echo "fuzz: $t for ${seconds}s"
    "build/fuzz/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build/fuzz/findings/$t-" -print_final_stats=1 \
        "$work" "fuzz/corpus/$t" 2>"build/fuzz/$t.log" || {
        tail -n 40 "build/fuzz/$t.log"
        echo "fuzz: $t found a fault" >&2
        exit 1
    }
    grep -E '^stat::number_of_executed_units' "build/fuzz/$t.log" || true
done
