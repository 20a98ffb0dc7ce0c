#!/usr/bin/env bash
# A display that is named but not there, or none named at all: each program says so in one line
# and ends with status 1, rather than aborting.
set -uo pipefail
for program in "$@"; do
  name=$(basename "$program")
  for display in DISPLAY=:77 ""; do
    errors=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u DISPLAY $display "$program" 2>&1 >/dev/null)
    status=$?
    [ "$status" -eq 1 ] || { echo "$name ($display) ended with status $status:"; echo "$errors"; exit 1; }
    expected="$name cannot start: no graphical display found: neither DISPLAY nor WAYLAND_DISPLAY is set."
    [ -n "$display" ] && expected="$name cannot start: the display cannot be opened ($display)."
    [ "$errors" = "$expected" ] || { echo "$name said:"; echo "$errors"; exit 1; }
  done
done
echo "each program said in one line that the display cannot be opened, or that none is named"
