#!/usr/bin/env bash
# Sets up, builds and starts Kantarix. "./run.sh bench" builds and runs the benchmarks instead.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
build="${KX_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

cmake --build "$build"
# The program finds the panel library through its registration: register this build's.
"$build/bin/belgepano-register" "$build/bin/libbelgepano.so"

if [[ "${1:-}" == "bench" ]]; then
    shift
    exec "$build/bin/kxbench" "$@"
fi
exec "$build/bin/kantarix" "$@"
