#!/usr/bin/env bash
# Starts the real program headless in a fresh home: it must start, write its preference file and quit
# cleanly, and on a damaged preference file keep the damaged one and go on with the standard settings.
set -euo pipefail
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen

"$program" > "$home/out.txt" 2>&1
grep -q "Orvalis resources in" "$home/out.txt"
test -s "$home/config/Orvalis/Orvalis Preferences"

head -c 100 /dev/zero > "$home/config/Orvalis/Orvalis Preferences"
"$program" > "$home/out2.txt" 2>&1
grep -q "damaged" "$home/out2.txt"
test -s "$home/config/Orvalis/Orvalis Preferences (damaged)"
test -s "$home/config/Orvalis/Orvalis Preferences"
echo "smoke test passed"
