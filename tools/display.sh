# Sourced by the run and test scripts: makes sure an X display exists.
# Without DISPLAY a virtual X server (Xvfb) is started for this shell and its
# children; it ends with the shell.
tavrel_ensure_display() {
  if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 130); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    TAVREL_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    TAVREL_STARTED_XVFB=1
    return 0
  done
  echo "No free X display number for Xvfb" >&2
  return 1
}

# Ends the X server that tavrel_ensure_display started, and nothing else.
tavrel_stop_display() {
  if [[ -n "${TAVREL_XVFB_PID:-}" ]]; then
    kill "$TAVREL_XVFB_PID" 2>/dev/null || true
  fi
}
