#!/usr/bin/env bash
# Configures and builds into build/ or into $TAVREL_BUILD: everything
# (program, tests, benchmarks), or only the targets named, as in
#   tools/build.sh tavrel
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
targets=()
[[ $# -gt 0 ]] && targets=(--target "$@")
cmake --build "$build" "${targets[@]}" -- -j"$(nproc)"
