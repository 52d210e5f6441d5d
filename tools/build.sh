#!/usr/bin/env bash
# Configures and builds into build/ or into $TAVREL_BUILD: everything
# (program, tests, benchmarks, the shipped program), or only the targets
# named, as in
#   tools/build.sh tavrel shipped
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TAVREL_BUILD:-$root/build}

# The tests run 32-bit where Wine runs 32-bit programs, else 64-bit; the
# shipped 32-bit tavrel.exe is built in both cases, into shipped/, and so is
# everything of the other bitness, into other-bitness/.
source "$root/tools/wine32.sh"
toolchain=$root/cmake/mingw-w64.cmake
tavrel_wine_runs_32bit && toolchain=$root/cmake/mingw-w64-i686-posix.cmake
# A build made before 32-bit Wine came (or went) has the other compiler.
if [[ -f "$build/CMakeCache.txt" ]] && ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$build/CMakeCache.txt"; then
  echo "Wine here now runs the other bitness's tests: configuring $build again."
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
targets=()
[[ $# -gt 0 ]] && targets=(--target "$@")
cmake --build "$build" "${targets[@]}" -- -j"$(nproc)"
