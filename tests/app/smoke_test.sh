#!/usr/bin/env bash
# Starts the real program headless in a fresh home: it must start, write its preference file and quit
# cleanly when asked to terminate, and on a damaged preference file keep the damaged one and go on with the
# standard settings. A second start hands its files to the running copy and ends at once.
set -euo pipefail
program=$1
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2> /dev/null; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QT_QPA_PLATFORM=offscreen
prefs="$home/config/Orvalis/Orvalis Preferences"

# Starts the program, waits until the file it makes while starting exists (by then it answers termination
# by quitting), asks it to quit and waits for its end.
run_and_quit() {
  "$program" > "$home/out.txt" 2>&1 &
  pid=$!
  for _ in $(seq 200); do
    [ -s "$1" ] && break
    sleep 0.1
  done
  kill -TERM "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2> /dev/null; then
    echo "the program did not quit when asked to" >&2
    exit 1
  fi
  wait "$pid"
  pid=
}

run_and_quit "$prefs"
test -s "$prefs"
test -d "$home/data/Orvalis/Macros"

# In a settings folder of their own, so that the first copy is known to serve it once its file exists.
echo "second" > "$home/second.txt"
XDG_CONFIG_HOME="$home/config2" "$program" > "$home/first.txt" 2>&1 &
pid=$!
for _ in $(seq 200); do [ -s "$home/config2/Orvalis/Orvalis Preferences" ] && break; sleep 0.1; done
XDG_CONFIG_HOME="$home/config2" timeout 20 "$program" "$home/second.txt"
kill -0 "$pid"
kill -TERM "$pid"
wait "$pid"
pid=

head -c 100 /dev/zero > "$prefs"
run_and_quit "$prefs (damaged)"
grep -q "damaged" "$home/out.txt"
test -s "$prefs (damaged)"
test -s "$prefs"
echo "smoke test passed"
