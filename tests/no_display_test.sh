#!/usr/bin/env bash
# A display that is named but not there: each program says so in one line and ends with status 1,
# rather than aborting.
set -uo pipefail
for program in "$@"; do
  errors=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:77 "$program" 2>&1 >/dev/null)
  status=$?
  name=$(basename "$program")
  [ "$status" -eq 1 ] || { echo "$name ended with status $status:"; echo "$errors"; exit 1; }
  [ "$errors" = "$name cannot start: the display cannot be opened (DISPLAY=:77)." ] ||
    { echo "$name said:"; echo "$errors"; exit 1; }
done
echo "each program said in one line that the display cannot be opened"
