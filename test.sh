#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${KX_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
