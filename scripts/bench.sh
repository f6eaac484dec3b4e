#!/usr/bin/env bash
# `make bench`: every benchmark, printed as one table with each figure beside its baseline measured in
# the same run on this machine.
#   scripts/bench.sh BUILD_DIR [STARTS]
set -uo pipefail
build=${1:-build}
starts=${2:-11}
export LC_ALL=C.UTF-8 QT_QPA_FONTDIR=/usr/share/fonts/truetype
rows=()

median() { sort -n | awk '{v[NR]=$1} END {if (NR == 0) print "nan"; else print v[int((NR + 1) / 2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b == 0 || a == "nan" || b == "nan") print "-"; else printf "%.2f", a / b}'; }
meets() { awk -v v="$1" -v g="$2" 'BEGIN {print (v != "-" && v != "nan" && v <= g) ? "yes" : "NO"}'; }

# Start to first painted frame, and resident memory then: medians over `starts` runs.
startup() { # program platform -> "ms rss_kb"
    local program=$1 platform=$2 times=() rss=() out t0 t1
    for ((i = 0; i < starts; i++)); do
        t0=$(date +%s%N)
        out=$(QT_QPA_PLATFORM=$platform MOLVANEX_FIRST_FRAME_PROBE=1 timeout 20 "$program" 2>/dev/null) || true
        t1=$(awk '/first-frame-ns/ {print $2}' <<<"$out")
        [[ -n "$t1" ]] || continue
        times+=("$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.2f", (b - a) / 1e6}')")
        rss+=("$(awk '/first-frame-ns/ {print $4}' <<<"$out")")
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${rss[@]}" | median)"
}

startup_rows() {
    local platform=$1 label=$2 program baseline
    read -r program_ms program_kb < <(startup "$build/app/molvanex" "$platform")
    read -r base_ms base_kb < <(startup "$build/tools/molvanex-bare-qt-window" "$platform")
    local r=$(ratio "$program_ms" "$base_ms") m=$(ratio "$program_kb" "$base_kb")
    rows+=("Start to first frame ($label)|${program_ms} ms|${base_ms} ms (bare Qt window)|$r|ratio <= 1.3|$(meets "$r" 1.3)")
    rows+=("Resident memory at first frame ($label)|$((program_kb / 1024)) MiB|$((base_kb / 1024)) MiB (bare Qt window)|$m|ratio <= 1.2|$(meets "$m" 1.2)")
}

startup_rows offscreen offscreen
if command -v Xvfb >/dev/null; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=$display startup_rows xcb Xvfb
    kill "$xvfb" 2>/dev/null
fi

# One Google Benchmark figure: "median p99" in milliseconds (the real time when a benchmark has no
# per-iteration counters).
figure() { # binary filter
    "$build/bench/$1" --benchmark_filter="^$2\$" --benchmark_format=csv 2>/dev/null | awk -F, '
        NR == 1 {for (i = 1; i <= NF; i++) {gsub(/"/, "", $i); col[$i] = i}; next}
        NR == 2 {
            unit = $(col["time_unit"]); f = (unit == "ns") ? 1e-6 : (unit == "us") ? 1e-3 : (unit == "s") ? 1e3 : 1
            med = ("median_ms" in col) ? $(col["median_ms"]) : $(col["real_time"]) * f
            p99 = ("p99_ms" in col) ? $(col["p99_ms"]) : "-"
            printf "%.4g %s\n", med, (p99 == "-") ? "-" : sprintf("%.4g", p99)
        }'
}

# name | binary | benchmark | baseline binary | baseline benchmark | goal (median ms, or "-")
benchmarks=(
    "One slider change, main window (handler + whole repaint)|bench_mainwindow_bench|BM_SliderChangeAndRepaint|bench_baseline_bench|BM_BareWindowRepaint|1"
    "One slider change, main window (handler + screen update)|bench_mainwindow_bench|BM_SliderChangeAndScreenUpdate|bench_baseline_bench|BM_BareWindowRepaint|-"
    "One simulation step, main window (step + whole repaint)|bench_mainwindow_bench|BM_SimulationStepAndRepaint|bench_baseline_bench|BM_BareWindowRepaint|1"
    "One zoom slider change at 1920 x 1080, bar charts page|bench_zoom_bench|BM_ZoomSliderChange/page:0|bench_baseline_bench|BM_BareWindowRepaintFullHd|3"
    "One zoom slider change at 1920 x 1080, line charts page|bench_zoom_bench|BM_ZoomSliderChange/page:1|bench_baseline_bench|BM_BareWindowRepaintFullHd|3"
    "One zoom slider change at 1920 x 1080, both charts page|bench_zoom_bench|BM_ZoomSliderChange/page:2|bench_baseline_bench|BM_BareWindowRepaintFullHd|3"
    "Markup engine, one formula drawn|bench_markup_bench|BM_RenderFormula|bench_baseline_bench|BM_PlainTextDraw|-"
    "Markup label paint, 1 x 1 BODY background, auto-sized 41 x 22|bench_markuplabel_bench|BM_BodyBackgroundSmallLabel|bench_baseline_bench|BM_PlainTextDraw|20"
    "Markup label paint, 20000 x 20000 picture and BODY background|bench_markuplabel_bench|BM_BodyBackgroundHugeLabel|bench_baseline_bench|BM_BareWindowRepaint|20"
    "Line chart paint at 1920 x 1080|bench_chart_bench|BM_ZoomLineChart1920x1080|bench_baseline_bench|BM_BareWindowRepaintFullHd|2"
    "Chart paint with a 1e9 / 0.1 axis at 1920 x 1080|bench_chart_bench|BM_BillionUnitAxis1920x1080|bench_chart_bench|BM_MainLineChart1920x1080|-"
    "1 000 000-row table: open and scroll to the end|bench_table_bench|OpenFillAndScrollToTheEnd/1000000|bench_table_bench|OpenFillAndScrollToTheEnd/100|100"
)
for row in "${benchmarks[@]}"; do
    IFS='|' read -r name bin bm basebin basebm goal <<<"$row"
    if [[ ! -x "$build/bench/$bin" ]]; then
        rows+=("$name|not built|-|-|-|-")
        continue
    fi
    read -r med p99 < <(figure "$bin" "$bm")
    read -r bmed _ < <(figure "$basebin" "$basebm")
    [[ -n "${med:-}" ]] || { rows+=("$name|not found|-|-|-|-"); continue; }
    met="-"; [[ "$goal" != "-" ]] && met=$(meets "$med" "$goal")
    rows+=("$name|${med} ms (p99 ${p99})|${bmed:-?} ms ($basebm)|$(ratio "$med" "${bmed:-0}")|${goal/#-/—}${goal:+ ms median}|$met")
done

# The markup engine's n-to-10n scaling, reported by its benchmark as a counter.
if [[ -x "$build/bench/bench_markup_bench" ]]; then
    scaling=$("$build/bench/bench_markup_bench" --benchmark_filter='^BM_MarkupScaling' --benchmark_format=csv 2>/dev/null |
        awk -F, 'NR == 1 {for (i = 1; i <= NF; i++) {gsub(/"/, "", $i); col[$i] = i}; next} NR == 2 && ("ratio" in col) {print $(col["ratio"])}')
    [[ -n "$scaling" ]] && rows+=("Markup engine, n to 10n characters|x ${scaling}|x 10 (linear)|$(ratio "$scaling" 10)|<= 12|$(meets "$scaling" 12)")
fi

# The window's paints while a million measurements are printed into a PDF file, reported as counters.
if [[ -x "$build/bench/bench_table_bench" ]]; then
    read -r interval seconds < <("$build/bench/bench_table_bench" --benchmark_filter='^PrintAMillionRowsWhilePainting' \
        --benchmark_format=csv 2>/dev/null | awk -F, 'NR == 1 {for (i = 1; i <= NF; i++) {gsub(/"/, "", $i); col[$i] = i}; next}
        NR == 2 && ("largest_paint_interval_ms" in col) {print $(col["largest_paint_interval_ms"]), $(col["print_s"])}')
    if [[ -n "${interval:-}" ]]; then
        rows+=("Printing 1 000 000 rows to a PDF (17 858 pages), whole time|$(printf '%.1f' "$seconds") s|-|-|—|-")
        rows+=("Largest interval between two paints while printing 1 000 000 rows|$(printf '%.0f' "$interval") ms|10 ms (a paint asked every 10 ms)|$(ratio "$interval" 10)|< 100 ms|$(meets "$interval" 99.999)")
    fi
fi

printf '\n| Measure | Figure | Baseline (same run) | Ratio | Goal | Met |\n|---|---|---|---|---|---|\n'
for row in "${rows[@]}"; do echo "| ${row//|/ | } |"; done
