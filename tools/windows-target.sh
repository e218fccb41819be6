# Sourced by the tools: which Windows build they make and run, and Wine for it.
# Pavane ships as a 32-bit program and is tested as one. A machine whose
# kernel runs no 32-bit programs (ia32 emulation off) cannot start 32-bit
# Wine at all, and one whose package mirror could not give it has none; there
# the 64-bit build of the same sources stands in for it, under 64-bit Wine,
# and says so once.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  windows_build=build/windows windows_toolchain=cmake/mingw-i686.cmake
  export WINEARCH=win32
else
  windows_build=build/windows64 windows_toolchain=cmake/mingw-x86_64.cmake
  export WINEARCH=win64
  if [ -z "${PAVANE_TOLD_WIN64:-}" ]; then
    echo "note: 32-bit Wine does not run here; Wine runs the 64-bit build ($windows_build)" >&2
    export PAVANE_TOLD_WIN64=1
  fi
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
