# Reads what the pages store from outside the program, with the platform's
# own tools: `wine reg export` for the registry, control.ini and msdos.sys as
# files of the prefix, and `wine attrib` for the boot file's attributes.
# Sourced by the end-to-end scripts; needs $work (a directory of the run's
# own) and $WINEPREFIX. Call write_snapshot_batch once, then snapshot FILE.

# Exported as a whole at every check. Under the first five (and in the two
# files) every value is the program's: one not in the tables is reported.
exported_keys=(
  'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies'
  'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced'
  'HKEY_LOCAL_MACHINE\Network\Logon'
  'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network'
  'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon'
  'HKEY_CURRENT_USER\Control Panel\Desktop'
  'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies'
)
attributes_key="msdos.sys:attributes"

# Writes every value it can see as lines key=value: registry keys and value
# names, profile sections and entries in lower case (the platform compares
# them without regard to case), values as `reg export` and the files spell
# them.
snapshot() {
  local out=$1 i file
  rm -f "$work"/export-*.reg "$work/attributes.txt"
  wine cmd /c "$(dos_path "$work/snapshot.bat")" >/dev/null 2>&1
  : >"$out"
  for i in "${!exported_keys[@]}"; do
    file=$work/export-$i.reg
    [[ -f $file ]] || continue  # a key not made yet
    iconv -f UTF-16LE -t UTF-8 "$file" | tr -d '\r' | sed '1s/^\xEF\xBB\xBF//' | awk '
      /^\[/ { key = tolower(substr($0, 2, length($0) - 2)); next }
      /^"/ { i = index($0, "\"="); print key "\\" tolower(substr($0, 2, i - 2)) "=" substr($0, i + 2) }' >>"$out"
  done
  profile_entries control.ini "$WINEPREFIX/drive_c/windows/control.ini" >>"$out"
  profile_entries msdos.sys "$WINEPREFIX/drive_c/msdos.sys" >>"$out"
  local flags set="" f
  if [[ -f $work/attributes.txt ]]; then
    flags=$(tr -d '\r' <"$work/attributes.txt")
    flags=${flags%%C:*}
    for f in R H S; do [[ $flags == *$f* ]] && set+=$f; done
    echo "$attributes_key=${set:-none}" >>"$out"
  fi
}

# Wine sees the whole Unix file system as drive Z:.
dos_path() { echo "Z:${1//\//\\}"; }

# One Windows process for all the exports and the attributes: a start of
# Wine's reg.exe from here costs a quarter of a second.
write_snapshot_batch() {
  local i
  {
    echo '@echo off'
    for i in "${!exported_keys[@]}"; do
      echo "reg export \"${exported_keys[i]}\" $(dos_path "$work/export-$i.reg") /y >nul"
    done
    echo "attrib C:\\msdos.sys > $(dos_path "$work/attributes.txt")"
  } | sed 's/$/\r/' >"$work/snapshot.bat"
}

profile_entries() {
  local label=$1 file=$2
  [[ -f $file ]] || return 0
  local text
  if [[ $(od -An -tx1 -N2 "$file" | tr -d ' ') == fffe ]]; then
    text=$(iconv -f UTF-16LE -t UTF-8 "$file")
  else
    text=$(cat "$file")
  fi
  tr -d '\r' <<<"$text" | awk -v label="$label" '
    function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
    /^[ \t]*\[/ { section = tolower(trim($0)); section = substr(section, 2, length(section) - 2); next }
    /^[ \t]*;/ { next }
    index($0, "=") { i = index($0, "="); print label "[" section "]" tolower(trim(substr($0, 1, i - 1))) "=" trim(substr($0, i + 1)) }'
}

