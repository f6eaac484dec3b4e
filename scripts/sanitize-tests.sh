#!/usr/bin/env bash
# Runs every test of the sanitized build tree BUILD (AddressSanitizer + UndefinedBehaviorSanitizer)
# with ctest on the offscreen platform.
#   scripts/sanitize-tests.sh BUILD [ctest options...]
set -euo pipefail
build=${1:?usage: scripts/sanitize-tests.sh BUILD [ctest options]}
shift
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/sanitizer-env.sh"
export QT_QPA_PLATFORM=offscreen
start=$(date +%s)
status=0
ctest --test-dir "$build" --output-on-failure -j "${JOBS:-2}" "$@" || status=$?
echo "sanitize: ctest exit status $status after $(( $(date +%s) - start )) s"
exit $status
