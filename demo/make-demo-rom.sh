#!/usr/bin/env bash
# Writes a small ROM image for the demo: 64 KiB of zeros with a valid
# low-bank header whose title names the demo.
set -euo pipefail
out=$1
head -c 65536 /dev/zero > "$out.tmp"
printf 'PAVANE DEMO CARTRIDGE' | dd of="$out.tmp" bs=1 seek=$((0x7FC0)) conv=notrunc status=none
# Checksum complement 0x0000 and checksum 0xFFFF add up to 0xFFFF: a valid header.
printf '\x00\x00\xff\xff' | dd of="$out.tmp" bs=1 seek=$((0x7FDC)) conv=notrunc status=none
mv "$out.tmp" "$out"
