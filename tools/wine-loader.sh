# Sourced by the tools and the build's wine-run: `wine` and `wineserver` for
# the prefix's WINEARCH. 32-bit Wine is tools/wine32's; Debian's own wine
# command always picks the 32-bit loader when it is installed, even where it
# cannot run, so a 64-bit prefix is given the 64-bit loader by name.
if [ "${WINEARCH:-win32}" = win64 ]; then
  wine_command=(env WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64)
  wineserver_command=(/usr/lib/wine/wineserver)
else
  wine_command=("$(dirname "${BASH_SOURCE[0]}")/wine32")
  wineserver_command=("${wine_command[0]}" wineserver)
fi
wine() { "${wine_command[@]}" "$@"; }
# Wine names the Linux files of the Windows ones in the locale's character
# set: without one (an empty environment, as in a fresh root) a name with
# letters beyond ASCII cannot be made. UTF-8 holds every name.
if [ -z "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ]; then export LANG=C.UTF-8; fi
wineserver() { "${wineserver_command[@]}" "$@"; }

# Runs in one prefix take turns: takes the lock of the prefix $1 until the
# caller ends. Wine's servers outlive a run, so the commands that start them
# are run with {wine_prefix_lock}>&- to leave the lock behind.
wine_take_prefix() {
  exec {wine_prefix_lock}>"$1.run-lock"
  flock "$wine_prefix_lock"
}

# What is known of a Wine run that hangs: WHAT, the processes of the prefix's
# Wine, and the last lines the run wrote to the FILES given.
wine_hang_report() {
  local what=$1 pid
  shift
  echo "Wine hung: $what. Its processes in $WINEPREFIX:"
  for pid in $(ls /proc | grep -x '[0-9]*'); do
    grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && ps -o pid=,etime=,args= -p "$pid"
  done
  echo "The last lines it wrote:"
  tail -n 15 "$@"
}

# Runs Wine with the arguments for at most PAVANE_WINE_TIMEOUT seconds (300
# without it). One that hangs is reported on standard error (and added to the
# file PAVANE_WINE_HANGS names), its Wine ended, and run once more; both hung,
# it returns 124. Its output is passed on when it ends.
wine_bounded() {
  local limit=${PAVANE_WINE_TIMEOUT:-300} attempt status out err
  out=$(mktemp) err=$(mktemp)
  for attempt in 1 2; do
    status=0
    timeout -k 10 "$limit" "${wine_command[@]}" "$@" >"$out" 2>"$err" || status=$?
    cat "$out"
    cat "$err" >&2
    [ $status -eq 124 ] || [ $status -eq 137 ] || break
    status=124
    wine_hang_report "wine $* did not end within $limit s (attempt $attempt of 2)" "$out" "$err" |
      tee -a "${PAVANE_WINE_HANGS:-/dev/null}" >&2
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  done
  rm -f "$out" "$err"
  return $status
}
