#!/usr/bin/env bash
# pavanectl from the outside: the documented results on real files.
#   pavanectl_test.sh PAVANECTL VERSION
set -u
ctl=$1
version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected [$2], got [$1]"; }
status_of() { "$@" >/dev/null 2>&1; echo $?; }
crlf() { printf '%s\r\n' "$@"; }

# An empty ZSNES.CFG saved gives exactly the 21 lines in order.
: > "$dir/empty.cfg"
: > "$dir/empty.cfg.tpl"
crlf "; nothing" > "$dir/noop.cfg"
"$ctl" apply "$dir/noop.cfg" "$dir/empty.cfg" || fail "apply onto empty cfg"
crlf "; nothing" "FrameSkip = 0" "AutoFrameSkip = 1" "Player1Device = 1" "Player2Device = 0" \
  "ScanKey1 = 77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81" \
  "ScanKey2 = 51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46" "JoyMap1 = 0, 0, 1, 3, 2, 4, 5, 6" \
  "Execute = 100" "VideoMode = 1" "Sound = 0" "SoundRate = 2" "Stereo = 0" "GUIDisable = 0" "Scanlines = 0" \
  "Interpolation = 0" "EnterSkip = 0" "Force8bit = 0" "SaveDirectory = " "GameDirectory = E:\\ZSNES" \
  "CopyMethod = 0" "NewGfx = 0" > "$dir/expected.cfg"
cmp -s "$dir/empty.cfg" "$dir/expected.cfg" || fail "empty cfg + text template gives the loaded lines and 21 keys"

# A binary template written from an empty ZSNES.CFG and an empty command line: 166 bytes.
: > "$dir/blank.cfg"
"$ctl" export "$dir/blank.cfg" "$dir/blank.pvt" || fail "export binary"
expect_eq "$(stat -c %s "$dir/blank.pvt")" 166 "binary template size"
expect_eq "$(head -c 20 "$dir/blank.pvt" | od -An -tx1 | tr -s ' \n' ' ')" \
  " 96 00 00 00 00 01 01 00 64 01 00 02 00 00 00 00 00 00 00 00 " "binary template head"

# Applying that template to an empty file writes the 21 lines alone.
: > "$dir/fresh.cfg"
"$ctl" apply "$dir/blank.pvt" "$dir/fresh.cfg" || fail "apply binary"
tail -n +2 "$dir/expected.cfg" | cmp -s - "$dir/fresh.cfg" || fail "binary template applied to an empty cfg"
rm "$dir/fresh.cfg"
"$ctl" apply "$dir/blank.pvt" "$dir/fresh.cfg" || fail "apply onto a missing cfg"
tail -n +2 "$dir/expected.cfg" | cmp -s - "$dir/fresh.cfg" || fail "a missing cfg counts as empty"

# Comments, indentation, unreadable numbers, byte wrap-around, unknown lines.
printf '; FrameSkip = 5\r\n  framesKIP=3\n\rMystery = keep me \t\r\nExecute = 300\rPlayer2Device = -1\r\nGameDirectory = c:\\games\\snes\r\nFrameSkip = 9\r\nJoyMap2 = 1, 2\r\n' > "$dir/odd.cfg"
out=$("$ctl" show "$dir/odd.cfg")
expect_eq "$(grep '^FrameSkip = ' <<<"$out")" "FrameSkip = 3" "indented key after a comment"
expect_eq "$(grep '^Execute = ' <<<"$out")" "Execute = 44" "300 keeps its low byte"
expect_eq "$(grep '^Player2Device = ' <<<"$out")" "Player2Device = 255" "-1 keeps its low byte"
expect_eq "$(grep '^GameDirectory = ' <<<"$out")" 'GameDirectory = C:\GAMES\SNES' "values in capitals"
expect_eq "$(grep '^JoyMap = ' <<<"$out")" "JoyMap = 1, 2" "joystick map read from JoyMap2"
expect_eq "$(wc -l <<<"$out")" 22 "show prints 22 fields"
expect_eq "$(tail -n1 <<<"$out")" "ZSnesCmdLine = " "text form has no command line"

# Read and saved again (through its own binary template): only the owned lines change.
"$ctl" export "$dir/odd.cfg" "$dir/odd.pvt" || fail "export odd cfg"
"$ctl" apply "$dir/odd.pvt" "$dir/odd.cfg" || fail "apply onto odd cfg"
expect_eq "$(sed -n 1,8p "$dir/odd.cfg" | od -An -c | tr -s ' \n' ' ')" \
  "$(printf '; FrameSkip = 5\r\nFrameSkip = 3\r\n\r\nMystery = keep me \t\r\nExecute = 44\r\nPlayer2Device = 255\r\nGameDirectory = C:\\GAMES\\SNES\r\nFrameSkip = 9\r\n' | od -An -c | tr -s ' \n' ' ')" \
  "only the owned lines are rewritten"
grep -q $'^JoyMap2 = 1, 2\r$' "$dir/odd.cfg" || fail "JoyMap2 line untouched"
grep -q $'^JoyMap1 = 1, 2\r$' "$dir/odd.cfg" || fail "joystick map written to JoyMap1"

# The command line goes through a binary template byte for byte.
"$ctl" export "$dir/blank.cfg" "$dir/cmd.PVT" --cmdline "  -c  -g 3 " || fail "export with cmdline"
expect_eq "$("$ctl" show "$dir/cmd.PVT" | tail -n1)" "ZSnesCmdLine =   -c  -g 3 " "command line round trip"
"$ctl" export "$dir/odd.cfg" "$dir/odd.txt" || fail "export text form"
cmp -s "$dir/odd.cfg" "$dir/odd.txt" || fail "text export is the cfg with settings written in"

# Newer versions load with a warning; damaged files are errors.
{ printf '\x97\x00\x00\x00'; tail -c +5 "$dir/blank.pvt"; } > "$dir/newer.pvt"
expect_eq "$("$ctl" show "$dir/newer.pvt" 2>&1 >/dev/null | grep -c 'version 0.151')" 1 "newer version warned"
expect_eq "$(status_of "$ctl" show "$dir/newer.pvt")" 0 "newer version still loads"
head -c 100 "$dir/blank.pvt" > "$dir/cut.pvt"
expect_eq "$(status_of "$ctl" show "$dir/cut.pvt")" 1 "damaged template"
expect_eq "$("$ctl" show "$dir/cut.pvt" 2>&1 | grep -c damaged)" 1 "damaged template reported"
cp "$dir/odd.cfg" "$dir/keep.cfg"
expect_eq "$(status_of "$ctl" apply "$dir/cut.pvt" "$dir/keep.cfg")" 1 "apply damaged template"
cmp -s "$dir/odd.cfg" "$dir/keep.cfg" || fail "damaged template leaves the cfg alone"
expect_eq "$("$ctl" show "$dir/none.cfg" 2>&1)" "pavanectl: Kann Datei $dir/none.cfg nicht öffnen" "missing file message"
expect_eq "$(status_of "$ctl" export "$dir/blank.cfg" "$dir/no/such/out.pvt")" 1 "unwritable output"

# ROM titles.
"$(dirname "$0")/../../demo/make-demo-rom.sh" "$dir/game.smc"
expect_eq "$("$ctl" title "$dir/game.smc" "$dir/none.smc")" "$(printf 'PAVANE DEMO CARTRIDGE\n%s' "$dir/none.smc")" "titles"

# The drive search over a directory: the found list's lines, then the result text.
tree="$dir/tree"
mkdir -p "$tree/EMU/ZSNES/BELOW" "$tree/GAMES/ZSNES" "$tree/ZSNES.040" "$tree/.hidden" "$tree/LOOP/IN" "$tree/EMPTY"
touch "$tree/EMU/ZSNES/ZSNES.EXE" "$tree/EMU/ZSNES/BELOW/ZSNES.EXE" "$tree/GAMES/ZSNES/ZSNES.EXE" \
  "$tree/ZSNES.040/ZSNES.EXE" "$tree/.hidden/ZSNES.EXE"
ln -s ../.. "$tree/LOOP/IN/UP"
expected_order=$(for d in $(ls -U "$tree"); do
  case $d in EMU | GAMES) echo "$tree/$d/ZSNES/ZSNES.EXE" ;; esac
done)
expect_eq "$(timeout 20 "$ctl" find "$tree")" "$(printf '%s\n2 directories found.' "$expected_order")" \
  "two copies in listing order; none in dot directories, below a copy or through a loop"
expect_eq "$("$ctl" find "$tree/")" "$("$ctl" find "$tree")" "a trailing separator is the same directory"
expect_eq "$("$ctl" find "$tree/EMPTY")" "ZSNES not found." "nothing found"
touch "$tree/ZSNES.EXE"
expect_eq "$("$ctl" find "$tree")" "$(printf '%s\n1 directories found.' "$tree/ZSNES.EXE")" "a copy in the root ends the walk"
# Deeper than the longest path: the copy past it cannot be reached, the walk ends.
deep="$dir/deep"
mkdir "$deep"
long=$(printf 'D%.0s' $(seq 200))
(cd "$deep" && for level in $(seq 30); do
  mkdir "$long" && cd "$long" || exit 1
  if [ "$level" = 15 ]; then touch ZSNES.EXE; fi
done && touch ZSNES.EXE) || fail "deep tree"
out=$(timeout 20 "$ctl" find "$deep")
expect_eq "$(tail -n1 <<<"$out")" "1 directories found." "only the copy within the longest path"
expect_eq "$(head -n1 <<<"$out" | wc -c)" $((${#deep} + 15 * 201 + 11)) "the reachable copy's path"
rm -rf "$deep"
expect_eq "$(status_of "$ctl" find "$dir/none")" 1 "find in a missing directory"

# Usage.
expect_eq "$(status_of "$ctl")" 2 "no arguments"
expect_eq "$(status_of "$ctl" show)" 2 "missing argument"
expect_eq "$(status_of "$ctl" frobnicate x)" 2 "unknown command"
expect_eq "$(status_of "$ctl" export a b --cmdline)" 2 "option without value"
expect_eq "$(status_of "$ctl" find)" 2 "find without a directory"
expect_eq "$(status_of "$ctl" -h)" 0 "help"
"$ctl" -h | grep -q '^usage: pavanectl show FILE' || fail "help text"

# The project's version, alone on its line; the help names the option.
expect_eq "$("$ctl" --version)" "pavanectl $version" "--version"
expect_eq "$(status_of "$ctl" --version)" 0 "--version exit status"
expect_eq "$(status_of "$ctl" --version x)" 2 "--version with an argument"
"$ctl" -h | grep -q '^ *pavanectl --version$' || fail "help lists --version"

# No input makes it crash or hang.
head -c 300000 /dev/urandom > "$dir/random.pvt"
cp "$dir/random.pvt" "$dir/random.cfg"
head -c 100000 /dev/zero > "$dir/zeros.pvt"
cp "$dir/zeros.pvt" "$dir/zeros.cfg"
printf '\xff\xff\xff\x7f' > "$dir/huge.pvt"
head -c 5000000 /dev/zero | tr '\0' 'A' > "$dir/oneline.cfg"
for file in random.pvt random.cfg zeros.pvt zeros.cfg huge.pvt oneline.cfg empty.cfg; do
  for command in show title; do
    timeout 20 "$ctl" $command "$dir/$file" >/dev/null 2>&1
    code=$?
    [ $code -le 1 ] || fail "$command $file exited $code"
  done
  cp "$dir/blank.cfg" "$dir/target.cfg"
  timeout 20 "$ctl" apply "$dir/$file" "$dir/target.cfg" >/dev/null 2>&1
  [ $? -le 1 ] || fail "apply $file"
done

if [ $failures -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "pavanectl: all checks passed"
