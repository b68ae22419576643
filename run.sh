#!/usr/bin/env bash
# Sets up, builds and starts Kantarix. "./run.sh bench" builds and runs the benchmarks instead.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${KX_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"

if [[ "${1:-}" == "bench" ]]; then
    shift
    cmake --build "$build" --target kxbench
    exec "$build/bin/kxbench" "$@"
fi

cmake --build "$build"
if [[ -x "$build/bin/belgepano-register" ]]; then
    "$build/bin/belgepano-register" "$build/bin/libbelgepano.so"
fi
exec "$build/bin/kantarix" "$@"
