#!/usr/bin/env bash
# Prepares the drive the search tests walk: a folder of its own (never the
# whole Linux root) mapped as drive S: of the build's Wine prefix, holding two
# copies to find and the places the walk must leave alone or survive: a
# directory with a period, a hidden one, a link back up the tree, and a chain
# deeper than the longest path the ANSI functions accept.
set -euo pipefail
prefix=$1 folder=$2
tools=$(dirname "$0")/../../../tools
source "$tools/wine-loader.sh"
# Ending the prefix's Wine below must not end another test's run in it.
wine_take_prefix "$prefix"
"$tools/wine-prefix" "$prefix" {wine_prefix_lock}>&-
rm -rf "$folder"
mkdir -p "$folder"/{EMU/ZSNES,GAMES/ZSNES,ZSNES.040,.hidden,LOOP}
touch "$folder"/{EMU/ZSNES,GAMES/ZSNES,ZSNES.040,.hidden}/ZSNES.EXE
ln -s .. "$folder/LOOP/UP"
deep="$folder/DEEP"
for _ in $(seq 12); do deep="$deep/$(printf 'N%.0s' $(seq 30))"; done
mkdir -p "$deep"
touch "$deep/ZSNES.EXE"
ln -sfn "$(realpath "$folder")" "$prefix/dosdevices/s:"
# Wine takes in its drives when it starts: the tests' Wine starts afresh.
WINEPREFIX=$(realpath "$prefix") wineserver -k 2>/dev/null || true
