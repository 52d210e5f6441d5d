#!/usr/bin/env bash
# Creates a Wine prefix for Tavrel when it does not exist yet, without any
# installer dialog. With --unmanaged (tests, screenshots), Wine draws the
# window frames itself, as no window manager does under a bare virtual X
# server, and a crash shows no dialog.
set -euo pipefail
unmanaged=0
if [[ ${1:-} == --unmanaged ]]; then
  unmanaged=1
  shift
fi
prefix=$1
[[ -f "$prefix/system.reg" ]] && exit 0

mkdir -p "$prefix"
(
  flock 9
  [[ -f "$prefix/system.reg" ]] && exit 0
  echo "Creating the Wine prefix $prefix ..."
  export WINEPREFIX="$prefix" WINEDEBUG=-all
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  if [[ $unmanaged == 1 ]]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A crashing test must end, not wait on a dialog nobody sees.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  fi
  wineserver -w
) 9>"$prefix.lock"
