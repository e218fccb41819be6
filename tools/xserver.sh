# Sourced by the tools: gives the Wine programs an X display of their own
# unless one is already there, and stops it when the calling script ends.
start_xserver() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number
  for number in $(seq 90 140); do
    [ -e "/tmp/.X${number}-lock" ] && continue
    Xvfb ":${number}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    sleep 1
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":${number}"
      trap 'kill "$XVFB_PID" 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
      return 0
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
