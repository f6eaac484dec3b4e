#!/usr/bin/env bash
# Starts the program; on a machine without a display, renders its windows to PNG files instead.
set -euo pipefail
build=${1:-build}
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    out=${SCREENSHOT_DIR:-screenshots}
    echo "No display here: the windows are rendered to PNG files in $out/ instead."
    QT_QPA_PLATFORM=offscreen "$build/tools/molvanex-screenshot" --out "$out"
    exit 0
fi
exec "$build/app/molvanex"
