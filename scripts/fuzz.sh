#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS seconds,
# one after the other (FUZZ_JOBS=2 runs two at a time).
#   scripts/fuzz.sh SECONDS [TARGET...]
# Each starts from its committed seeds (fuzz/corpus/NAME), keeps what it learns in
# build-fuzz/corpus/NAME, logs to build-fuzz/logs/NAME.log and leaves any failing
# input in build-fuzz/findings/NAME/. Ends with a line per target and fails if one did.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz.sh SECONDS [TARGET...]}
shift
build="$root/build-fuzz"
all=(recordfile_fuzz numerictext_fuzz numbertext_fuzz contentdatabase_fuzz dictionary_fuzz
    flagfile_fuzz coursesource_fuzz testfile_fuzz rtfreader_fuzz calculer_fuzz)
targets=("${@:-${all[@]}}")

BUILD_TARGETS="${targets[*]}" "$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGALVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++

run() {
    local name=$1 short=${1%_fuzz}
    local corpus="$build/corpus/$short" findings="$build/findings/$short/"
    mkdir -p "$corpus" "$findings" "$build/logs"
    local options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096
        -print_final_stats=1 -artifact_prefix="$findings")
    [ -f "$root/fuzz/$short.dict" ] && options+=(-dict="$root/fuzz/$short.dict")
    local seeds=()
    [ -d "$root/fuzz/corpus/$short" ] && seeds+=("$root/fuzz/corpus/$short")
    if ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
        "$build/fuzz/$name" "${options[@]}" "$corpus" "${seeds[@]}" >"$build/logs/$name.log" 2>&1; then
        echo "$name: clean, $(grep -o 'number_of_executed_units: [0-9]*' "$build/logs/$name.log" |
            grep -o '[0-9]*$') executions in ${seconds}s"
    else
        echo "$name: FAILED, see $build/logs/$name.log and $findings"
        return 1
    fi
}

failed=0
pids=()
for name in "${targets[@]}"; do
    run "$name" &
    pids+=($!)
    if ((${#pids[@]} >= ${FUZZ_JOBS:-1})); then
        wait "${pids[0]}" || failed=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
exit $failed
