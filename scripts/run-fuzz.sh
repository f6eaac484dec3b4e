#!/usr/bin/env bash
# `make fuzz`: runs every libFuzzer target of BUILD_DIR for SECONDS each, starting from its seed corpus
# in fuzz/corpus/NAME (NAME is the target without "_fuzz"). Fails on the first crash, leak, sanitizer
# report or input slower than one second; the input that did it is kept in BUILD_DIR/fuzz-artifacts.
#   scripts/run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?usage: run-fuzz.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run-fuzz.sh BUILD_DIR SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/sanitizer-env.sh"
export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype LC_ALL=C.UTF-8

targets=("$build"/fuzz/*_fuzz)
[[ -x "${targets[0]}" ]] || { echo "no fuzz target in $build/fuzz" >&2; exit 1; }
mkdir -p "$build/fuzz-artifacts"
status=0
for target in "${targets[@]}"; do
    name=$(basename "$target" _fuzz)
    # The fuzzer adds what it finds to the working corpus; the seeds in the tree stay as they are.
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    echo "== $name: ${seconds} s"
    # One process on one core: the machine is shared with builds.
    if ! "$target" "$corpus" "$root/fuzz/corpus/$name" -max_total_time="$seconds" -timeout=1 \
        -rss_limit_mb=2048 -detect_leaks=1 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$name-" 2>"$build/fuzz-artifacts/$name.log"; then
        tail -n 60 "$build/fuzz-artifacts/$name.log" >&2
        echo "== $name: FAILED (log and input in $build/fuzz-artifacts)" >&2
        status=1
        continue
    fi
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$build/fuzz-artifacts/$name.log" || true
    echo "== $name: no crash, leak or slow input"
done
exit $status
