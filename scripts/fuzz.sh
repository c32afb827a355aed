#!/usr/bin/env bash
# Builds the libFuzzer targets with clang 14 and runs each on its seed corpus
# for a bounded time (FUZZ_SECONDS, default 20), one after the other. Fails
# on any finding (a crash, a hang, a leak, a sanitizer report, a failed
# check) once every target has run; the report and the input that found it
# are printed, and the input is kept in build/fuzz/findings/. What the runs
# write lies in build/fuzz/ and, while a target runs, in /dev/shm.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-20}"
jobs=$(nproc 2>/dev/null || echo 2)
cxx=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$cxx" ]; then
    echo "fuzz: no clang++ found (scripts/setup-debian.sh installs clang 14)" >&2
    exit 1
fi
# Stacks with file names and lines in the reports.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
    export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

cmake -S . -B "$out" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELLMASTER_FUZZ=ON -DVELLMASTER_GUI=OFF -DVELLMASTER_TESTS=OFF >/dev/null
targets=(profile_read profile_write numbers great_circle note_presets plan_briefing)
cmake --build "$out" -j "$jobs" --target "${targets[@]/%/_fuzz}"

# The targets run in a folder of the build, so that nothing they write by a
# relative name lands in the source tree; a host without /dev/shm gives them
# their scratch files there too.
rm -rf "$out/findings" "$out/work"
mkdir -p "$out/findings" "$out/work/tmp"
export TMPDIR="$out/work/tmp"
# Freed memory stays with the process: returning it to the system (madvise)
# can stall for seconds on a busy virtual machine, which would pass for a
# hang of the target.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}allocator_release_to_os_interval_ms=-1"

# Prints a finding's input: exactly (base64) and to read (bytes and hex).
show_input() {
    local file="$1"
    echo "fuzz: input kept in ${file#"$root"/} ($(wc -c <"$file") bytes), base64:"
    base64 -w 0 "$file"
    echo
    od -A d -t x1z -v "$file" | head -n 256
}

failed=()
for t in "${targets[@]}"; do
    corpus="$out/corpus/$t"
    log="$out/$t.log"
    mkdir -p "$corpus"
    echo "fuzz: $t for ${seconds}s"
    rc=0
    (cd "$out/work" && exec "$out/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$out/findings/$t-" -print_final_stats=1 \
        "$corpus" "$root/fuzz/corpus/$t") 2>"$log" &
    pid=$!
    wait "$pid" || rc=$?
    # The scratch folder of a run that ended early (its exit handlers did not run).
    rm -rf "/dev/shm/vell-fuzz-$pid" "$TMPDIR/vell-fuzz-$pid"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "fuzz: $t: ${runs:-?} runs, ${speed:-?} per second, $(find "$corpus" -type f | wc -l) inputs in its corpus"
    findings=("$out/findings/$t-"*)
    if [ "$rc" -ne 0 ] || [ -e "${findings[0]}" ]; then
        # The report without the fuzzer's progress lines.
        grep -vE '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse|INITED|RELOAD)|^[[:space:]]+NEW_FUNC' "$log" | tail -n 200 || true
        for f in "${findings[@]}"; do
            if [ -f "$f" ]; then show_input "$f"; fi
        done
        echo "fuzz: $t found a fault (exit $rc), log in ${log#"$root"/}" >&2
        failed+=("$t")
    fi
done
rm -rf "$out/work"
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
if [ "${#failed[@]}" -ne 0 ]; then
    echo "fuzz: faults found by ${failed[*]}" >&2
    exit 1
fi
