#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, and only those that are missing.
#   scripts/install-deps.sh [GROUP...]    groups: build (default), fuzz, bench, package, docs
set -euo pipefail

declare -A groups=(
    [build]="g++ cmake ninja-build ccache pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libegl-dev
             libvulkan-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core
             xvfb xauth xdg-utils clang-format qt6-translations-l10n
             dbus at-spi2-core python3-pyatspi xdotool openbox xfwm4 python3-xlib x11-utils poppler-utils
             orca speech-dispatcher-espeak-ng"
    [fuzz]="clang libclang-rt-14-dev"
    [bench]="xvfb xauth"
    [package]="dpkg-dev desktop-file-utils shared-mime-info appstream file lintian"
    [docs]="chromium"
)

wanted=()
for group in "${@:-build}"; do
    [[ -n "${groups[$group]:-}" ]] || { echo "unknown package group: $group" >&2; exit 2; }
    for package in ${groups[$group]}; do wanted+=("$package"); done
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
