#!/usr/bin/env bash
# Runs the random-input storm over the program built in BUILD, on the offscreen platform, with the
# sanitizers set to stop at their first report and to look for leaks at exit.
#   scripts/run-monkey.sh BUILD [molvanex-monkey options...]
# A failing run prints its seed; run again with --seed SEED (and --trace to see every event).
set -euo pipefail
build=${1:?usage: scripts/run-monkey.sh BUILD [options]}
shift
here=$(cd "$(dirname "$0")/.." && pwd)
binary="$build/tools/monkey/molvanex-monkey"
[[ -x "$binary" ]] || { echo "no storm program at $binary" >&2; exit 2; }

source "$here/scripts/sanitizer-env.sh"
export QT_QPA_PLATFORM=offscreen
export QT_QPA_FONTDIR=/usr/share/fonts/truetype
export LC_ALL=C.UTF-8

# The program resolves "mode_emploi.htm" against the current directory: run where nothing is written
# by accident into the work tree.
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
mkdir -m 700 "$workdir/runtime"
export XDG_RUNTIME_DIR="$workdir/runtime"
# Nor into the user's own data and settings: the storm keeps equations and chooses folders at random.
export XDG_DATA_HOME="$workdir/data" XDG_CONFIG_HOME="$workdir/config"
binary=$(cd "$(dirname "$binary")" && pwd)/$(basename "$binary")
cd "$workdir"
start=$(date +%s)
status=0
"$binary" "$@" || status=$?
# 0 and 1 (findings) come from a storm that ran to its end and printed its result line last. Anything
# else stopped it before that line or after it (a crash, a sanitizer or leak report, the watchdog), and
# the report above says why, with the seed and the last events.
if (( status > 1 )); then
    echo "monkey: FAILED: exit status $status after $(( $(date +%s) - start )) s, see the report above"
fi
exit $status
