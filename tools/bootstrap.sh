#!/usr/bin/env bash
# Installs what building, running and testing Tavrel needs on Debian, and
# nothing when all of it is there already.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
  binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation
  xvfb xauth x11-utils xdotool imagemagick x11vnc
  googletest
)

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true) == "install ok installed" ]]; }

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  # One archive's index may fail to download (seen: the i386 one of the
  # security archive); the install says whether what it needs is there.
  $sudo apt-get update -qq || echo "Some package indexes could not be updated; going on." >&2
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# 32-bit Wine runs the shipped 32-bit program, where the kernel runs 32-bit
# Linux programs (tools/wine32.sh); elsewhere the tests run the 64-bit build.
source "$root/tools/wine32.sh"
if [[ -x /usr/lib/wine/wine ]] || ! tavrel_kernel_runs_32bit; then exit 0; fi

# The i386 libraries must have exactly the versions of their amd64 twins.
# The i386 index of the security archive may be missing, and then some
# installed amd64 twins differ from the only i386 versions at hand: those of
# wine32's libraries are moved to the i386 version in the same install.
# Never removes a package: where that is what it would take, apt refuses and
# the 64-bit build stays the tested one.
echo "Installing 32-bit Wine (wine32:i386) ..."
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq || true
twins=()
needed=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
  --no-enhances wine32:i386 | grep -E '^[a-z0-9].*:i386$' | sed 's/:i386$//' | sort -u)
while read -r name version; do
  [[ -n $version && $version != "(none)" ]] || continue
  current=$(dpkg-query -W -f='${Version}' "$name:amd64" 2>/dev/null || true)
  [[ -n $current && $current != "$version" ]] && twins+=("$name:amd64=$version")
done < <(apt-cache policy $(printf '%s:i386 ' $needed) 2>/dev/null |
  awk '/^[^ ].*:$/ { name = $1; sub(/:i386:$/, "", name) } /Candidate:/ { print name, $2 }')
if ! $sudo apt-get install -y -qq --no-install-recommends --no-remove --allow-downgrades \
    wine32:i386 "${twins[@]}" >/dev/null; then
  echo "32-bit Wine could not be installed: the tests run the 64-bit build of the same sources." >&2
fi
