#!/bin/sh
# The libraries Pavane.exe imports, which load before the main window can
# show. The shell, the common dialogs, COM and msimg32 are looked up when a
# command first needs them; a direct call to one of their functions would
# import it again and fails here. Names are compared in lower case, as
# Windows finds them.
#
#   imports_test.sh OBJDUMP PAVANE_EXE
set -eu
objdump=$1
program=$2
expected="advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll"
actual=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$expected" ]; then
  echo "Pavane.exe imports: $actual" >&2
  echo "expected:           $expected" >&2
  exit 1
fi
