#!/usr/bin/env bash
# Sets up, builds and runs every test, in a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer that lives in a folder of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${KX_TEST_BUILD_DIR:-$root/build-test}"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Debug -DKX_SANITIZE=ON
cmake --build "$build"
cd "$build"
# Qt keeps some allocations until the process ends; leak reports would only be its noise.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${KX_TEST_JOBS:-$(nproc)}" "$@"
