#!/usr/bin/env bash
# Creates a Wine prefix for Tavrel when it does not exist yet, without any
# installer dialog. With --unmanaged, Wine draws the window frames itself, as
# no window manager does under a bare virtual X server (tests, screenshots).
# With --seed, a new prefix gets what a Windows 98 machine has and Wine has
# not: a boot file C:\msdos.sys and the boot directory Setup records, so that
# the Boot Settings page works on real content. Test prefixes stay unseeded:
# each test writes the files it needs.
set -euo pipefail
unmanaged=0
seed=0
while [[ ${1:-} == --* ]]; do
  case $1 in
    --unmanaged) unmanaged=1 ;;
    --seed) seed=1 ;;
    *) echo "prefix.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
prefix=$1

# Wine draws the caption buttons (minimise, close) with its Marlett font.
# Some packagings of Wine miss their own font directory, and the buttons then
# show the letters "0 1 r"; the font in the prefix's Fonts folder is found.
provide_caption_font() {
  local fonts="$prefix/drive_c/windows/Fonts" shipped
  [[ -d $fonts && ! -f $fonts/marlett.ttf ]] || return 0
  for shipped in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine*/share/wine/fonts; do
    if [[ -f $shipped/marlett.ttf ]]; then
      cp "$shipped/marlett.ttf" "$fonts/"
      return 0
    fi
  done
}

if [[ -f "$prefix/system.reg" ]]; then
  provide_caption_font
  exit 0
fi

# Read-only, hidden and system, as Windows 98 leaves it.
seed_boot_file() {
  local letter padding
  padding=$(printf 'x%.0s' {1..69})
  {
    printf '%s\r\n' '[Paths]' 'WinDir=C:\WINDOWS' 'WinBootDir=C:\WINDOWS' 'HostWinBootDrv=C' '' \
      '[Options]' 'BootMulti=1' 'BootGUI=1' 'DoubleBuffer=1' 'AutoScan=1' 'WinVer=4.10.2222' ';' \
      ';The following lines are required for compatibility with other programs.' \
      ';Do not remove them (MSDOS.SYS needs to be >1024 bytes).'
    for letter in {a..s}; do printf ';%s%s\r\n' "$padding" "$letter"; done
  } >"$prefix/drive_c/msdos.sys"
  wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Setup' /v BootDir /d 'C:\' /f >/dev/null 2>&1
  local flag
  for flag in +r +h +s; do  # Wine's attrib takes one flag at a time
    wine attrib "$flag" 'C:\msdos.sys' >/dev/null 2>&1 || true
  done
}

mkdir -p "$prefix"
(
  flock 9
  [[ -f "$prefix/system.reg" ]] && exit 0
  echo "Creating the Wine prefix $prefix ..."
  export WINEPREFIX="$prefix" WINEDEBUG=-all
  WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
  if [[ $unmanaged == 1 ]]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
  if [[ $seed == 1 ]]; then
    seed_boot_file
  fi
  wineserver -w
  provide_caption_font
) 9>"$prefix.lock"
