# Sourced by the tools and the build's wine-run: `wine` for the prefix's
# WINEARCH. Debian's wine command always picks the 32-bit loader when it is
# installed, and that one cannot start a 64-bit prefix's programs where no
# 32-bit program runs.
wine() {
  if [ "${WINEARCH:-win32}" = win64 ]; then
    WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 "$@"
  else
    command wine "$@"
  fi
}
