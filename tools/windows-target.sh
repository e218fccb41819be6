# Sourced by the tools: which Windows build they make and run, and Wine for it.
# Pavane ships as a 32-bit program and is tested as one, under 32-bit Wine
# through tools/wine32 (natively, or under qemu-i386 where the kernel runs no
# 32-bit programs). Only where that cannot work does the 64-bit build of the
# same sources stand in, under 64-bit Wine; windows_fallback then says why,
# and the tools say so.
windows_fallback=
if wine32_says=$("$(dirname "${BASH_SOURCE[0]}")/wine32" --version 2>&1); then
  windows_build=build/windows windows_toolchain=cmake/mingw-i686.cmake
  export WINEARCH=win32
else
  windows_build=build/windows64 windows_toolchain=cmake/mingw-x86_64.cmake
  export WINEARCH=win64
  wine32_says=${wine32_says##*$'\n'}
  windows_fallback="Wine ran the 64-bit build ($windows_build): ${wine32_says#tools/wine32: }"
  if [ -z "${PAVANE_TOLD_WIN64:-}" ]; then
    echo "note: $windows_fallback" >&2
    export PAVANE_TOLD_WIN64=1
  fi
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
