#!/bin/bash
# Installs every Debian package that building, running and testing Veridane
# need. Safe to run again: it only calls apt-get when something is missing.
#   scripts/install-deps.sh            build, run and test
#   scripts/install-deps.sh --fuzz     also clang and its fuzzing runtime
#   scripts/install-deps.sh --bench    also the comparison shell and gnuplot
set -euo pipefail

# Building and testing: the toolchain, Qt (widgets, printing, charts, and the
# OpenGL files that the charts' CMake package asks for), the test
# frameworks, the X server and tools of the GUI smoke run, the validators of
# what is installed, and the readers the report tests use.
packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools
          libqt6svg6 qt6-charts-dev libqt6opengl6-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xdotool imagemagick poppler-utils fonts-dejavu-core
          desktop-file-utils appstream shared-mime-info librsvg2-bin help2man
          python3 python3-jsonschema python3-junitparser)
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
# npm fetches the published SARIF schema; any npm will do (Node may come
# from elsewhere than Debian, whose npm package would then conflict).
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
