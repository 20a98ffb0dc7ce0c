#!/usr/bin/env bash
# A fresh install into a temporary prefix, started through its desktop entry's command: the
# program starts, and on being asked to end it saves its settings into its own directory.
set -euo pipefail
build=$1
# A Latin-1 "ç" in the name, not valid UTF-8, as archives made elsewhere unpack: the programs must
# still find their own directory.
prefix=$(mktemp -d "/tmp/bandwise $(printf '\347') install.XXXXXX")
# No kill before the program has a pid: "kill 0" would end the whole process group, ctest with it.
trap 'if [ -n "${pid:-}" ]; then kill -KILL "$pid" 2>/dev/null || true; fi; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/bandwise.desktop"
command=$(LC_ALL=C sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
[ -x "$command" ] || { echo "Exec of $entry is not an executable: $command"; exit 1; }

# Each program catches SIGTERM only once its window is shown; before that a SIGTERM just ends the
# process, saving nothing. So wait until the launcher has become the program and the kernel lists
# SIGTERM (bit 14) as caught: that is, until the window is up. By then it must ignore SIGXFSZ
# (bit 24), so that a save past a file-size limit fails with a message rather than ending it.
signal_set() {  # the set, bit of a signal
  local mask
  mask=$(sed -n "s/^$1:[[:space:]]*//p" "/proc/$pid/status" 2>/dev/null)
  [ -n "$mask" ] && (( (16#${mask: -8} >> $2) & 1 ))
}
start() {
  QT_QPA_PLATFORM=offscreen "$1" >/dev/null 2>&1 & pid=$!
  for _ in $(seq 300); do
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$2" ] && signal_set SigCgt 14 && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  signal_set SigCgt 14 || { echo "$2 did not start, or did not show its window within 30 s"; exit 1; }
  signal_set SigIgn 24 || { echo "$2 does not ignore SIGXFSZ"; exit 1; }
}
stop() {
  kill -TERM "$pid"
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "$1 did not end within 30 s of SIGTERM"; exit 1; fi
}
start "$prefix/bin/bandwise-settings" Settings
stop Settings
start "$command" Bandwise
stop Bandwise

settings="$prefix/lib/bandwise/Settings.ini"
[ -f "$settings" ] || { echo "no Settings.ini in the program directory"; exit 1; }
[ "$(od -An -c "$settings" | tr -s ' ')" = " 1 \r \n" ] || { echo "unexpected Settings.ini:"; od -c "$settings"; exit 1; }
[ -f "$prefix/lib/bandwise/Language.ini" ] || { echo "no Language.ini installed"; exit 1; }
echo "installed; both programs started through their launchers, ignoring SIGXFSZ; Bandwise saved its settings"
