# Sourced by tools/wine32 and tools/prepare-wine32: where the route to 32-bit
# Wine on a kernel that runs no 32-bit programs is kept, and which one there is.
# It lives outside the checkout, so a clean checkout finds it again.
wine32_home=${PAVANE_WINE32_HOME:-${XDG_CACHE_HOME:-$HOME/.cache}/pavane-wine32}
wine32_qemu=$wine32_home/qemu-i386     # a static qemu-i386 10, run by binfmt_misc
wine32_root=$wine32_home/debian-root   # route A: a Debian 12 root holding wine32:i386
wine32_unprepared=$wine32_home/unprepared  # why the last preparation failed

# The system's own 32-bit Wine starts here: the kernel runs 32-bit programs.
wine32_native() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Which route this machine takes to 32-bit Wine: native, qemu (the system's
# wine32:i386 under qemu-i386), root (route A: a Debian root's Wine under
# qemu-i386), or none. PAVANE_WINE32_ROUTE=qemu or root takes that route even
# where the kernel runs 32-bit programs, to check it there.
wine32_route() {
  local wanted=${PAVANE_WINE32_ROUTE:-}
  if [ -z "$wanted" ] && wine32_native; then
    echo native
  elif [ "$wanted" != root ] && [ -x /usr/lib/wine/wine ] && [ -x "$wine32_qemu" ]; then
    echo qemu
  elif [ "$wanted" != qemu ] && [ -x "$wine32_qemu" ] && [ -f "$wine32_root/.pavane-ready" ]; then
    echo root
  else
    echo none
  fi
}

# Inside a user and mount namespace of one's own: mounts its binfmt_misc and
# registers the emulator for i386 ELF files (the pattern Debian registers) with
# the F flag, so the kernel opens the emulator now and finds it from any root.
wine32_register() {
  if ! mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null; then
    echo "${0##*/}: this kernel ($(uname -r)) mounts no binfmt_misc in a user namespace (Linux 6.7 or later does)" >&2
    return 1
  fi
  local magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf '%s' ":pavane-i386:M::$magic:$mask:$1:F" >/proc/sys/fs/binfmt_misc/register
}
