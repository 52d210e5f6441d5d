# Sourced by the scripts: whether Wine runs 32-bit Windows programs here, and
# so which tavrel.exe they run. Debian's Wine runs them with its wine32
# package, a 32-bit Linux program, which needs a kernel that runs those:
# some virtual machines' kernels have no IA-32 emulation, and there the
# 64-bit build of the same sources stands in for the shipped 32-bit one.

# Whether the kernel runs 32-bit x86 Linux programs: a 93-byte one that only
# exits is tried.
tavrel_kernel_runs_32bit() {
  local probe status
  probe=$(mktemp)
  printf '\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0' >"$probe"
  printf '\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\x28\0\0\0\0\0' >>"$probe"
  printf '\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0' >>"$probe"
  printf '\xb8\x01\0\0\0\x31\xdb\xcd\x80' >>"$probe"  # exit(0)
  chmod +x "$probe"
  "$probe" 2>/dev/null
  status=$?
  rm -f "$probe"
  return $status
}

# Whether Wine can run the shipped 32-bit program: 32-bit Wine is installed
# and the kernel runs it.
tavrel_wine_runs_32bit() {
  [[ -x /usr/lib/wine/wine ]] && tavrel_kernel_runs_32bit
}

# Why the scripts run the build they run: the start of the one line each
# prints first.
tavrel_why_this_build() {
  if tavrel_wine_runs_32bit; then
    echo "32-bit Wine runs here"
  elif tavrel_kernel_runs_32bit; then
    echo "32-bit Wine could not be installed here"
  else
    echo "This kernel runs no 32-bit programs"
  fi
}

# The tavrel.exe the scripts run in build directory $1: the shipped one
# where Wine runs it, else the tests' build of the same sources.
tavrel_runnable_program() {
  if tavrel_wine_runs_32bit; then echo "$1/shipped/tavrel.exe"; else echo "$1/tavrel.exe"; fi
}
