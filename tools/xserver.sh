# Sourced by the tools: gives the Wine programs an X display of their own
# unless one is already there, and stops it (and the prefix's Wine) when the
# calling script ends. Xvfb picks a free display itself, so several can start
# at once.
start_xserver() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number=
  coproc XVFB { exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null; }
  read -r -t 30 number <&"${XVFB[0]}" || true
  if [ -z "$number" ]; then
    echo "could not start Xvfb" >&2
    return 1
  fi
  export DISPLAY=":$number"
  trap 'kill "$XVFB_PID" 2>/dev/null; { wineserver -k && wineserver -w; } 2>/dev/null || true' EXIT
}
