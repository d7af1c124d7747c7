#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build directory and runs each one on a
# copy of its committed seed corpus for a bounded time. Fails when any target crashes.
#   scripts/fuzz.sh [--seconds N] [--build-dir DIR] [--jobs N] [target ...]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=60
build="${VP_FUZZ_BUILD:-$root/build-fuzz}"
jobs=2
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift 2 ;;
        --build-dir) build="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        -h|--help) sed -n 2,4p "$0"; exit 0 ;;
        *) targets+=("$1"); shift ;;
    esac
done

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVP_FUZZ=ON -DVP_BENCH=OFF \
    "${launcher[@]}" >/dev/null
if [ ${#targets[@]} -eq 0 ]; then
    for src in "$root"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
cmake --build "$build" --target "${targets[@]}" -j"$jobs"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=()
for t in "${targets[@]}"; do
    corpus="$work/$t"
    mkdir -p "$corpus" "$work/artifacts-$t"
    if [ -d "$root/fuzz/corpus/$t" ]; then cp -r "$root/fuzz/corpus/$t/." "$corpus/"; fi
    echo "== $t: $seconds s"
    # Leak checks would report Qt's process-lifetime allocations; the sanitizers still stop on
    # every memory error and undefined behaviour.
    if ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        QT_QPA_PLATFORM=offscreen "$build/fuzz/$t" -max_total_time="$seconds" -max_len=512 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/artifacts-$t/" "$corpus" \
        >"$work/$t.log" 2>&1; then
        grep -E "^(stat::number_of_executed_units|#[0-9]+ +DONE)" "$work/$t.log" || true
    else
        echo "!! $t failed"; tail -40 "$work/$t.log"
        mkdir -p "$build/fuzz-artifacts"
        cp -r "$work/artifacts-$t/." "$build/fuzz-artifacts/" 2>/dev/null || true
        failed+=("$t")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: crashes in ${failed[*]} (inputs kept in $build/fuzz-artifacts)"
    exit 1
fi
echo "fuzz: ${#targets[@]} targets ran ${seconds} s each without a crash"
