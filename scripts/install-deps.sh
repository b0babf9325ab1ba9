#!/bin/bash
# Installs every Debian package that building, running and testing Veridane
# need. Safe to run again: it only calls apt-get when something is missing.
#   scripts/install-deps.sh            build, run and test
#   scripts/install-deps.sh --fuzz     also clang and its fuzzing runtime
#   scripts/install-deps.sh --bench    also the comparison shell and gnuplot
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools
          libqt6svg6 libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
          imagemagick poppler-utils fonts-dejavu-core)
for arg in "$@"; do
    case "$arg" in
        --fuzz) packages+=(clang libclang-rt-dev) ;;
        --bench) packages+=(clips gnuplot-nox time) ;;
        *) echo "usage: $0 [--fuzz] [--bench]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
