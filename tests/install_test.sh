#!/usr/bin/env bash
# A fresh install into a temporary prefix, started through its desktop entry's command and
# through the dynamic loader: the program starts, and on being asked to end it saves its settings
# into its own directory.
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
# process, saving nothing. So wait until the process has become the program (its kernel name: the
# launcher execs it) and the kernel lists SIGTERM (bit 14) as caught: that is, until the window is
# up. By then it must ignore SIGXFSZ (bit 24), so that a save past a file-size limit fails with a
# message rather than ending it. Then it is asked to end.
signal_set() {  # SET BIT: whether the signal is in that set of the process's
  local mask
  mask=$(sed -n "s/^$1:[[:space:]]*//p" "/proc/$pid/status" 2>/dev/null)
  [ -n "$mask" ] && (( (16#${mask: -8} >> $2) & 1 ))
}
start_and_end() {  # NAME COMMAND...
  local name=$1
  shift
  QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1 & pid=$!
  up() { [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] && signal_set SigCgt 14; }
  for _ in $(seq 300); do up && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  up || { echo "$*: did not start, or did not show its window within 30 s"; exit 1; }
  signal_set SigIgn 24 || { echo "$*: does not ignore SIGXFSZ"; exit 1; }
  kill -TERM "$pid"
  for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then echo "$*: did not end within 30 s of SIGTERM"; exit 1; fi
}
# Bandwise saves its settings into its own directory when asked to end.
saved_settings() {
  local settings="$prefix/lib/bandwise/Settings.ini"
  [ -f "$settings" ] || { echo "$*: no Settings.ini in the program directory"; exit 1; }
  [ "$(od -An -c "$settings" | tr -s ' ')" = " 1 \r \n" ] || { echo "unexpected Settings.ini:"; od -c "$settings"; exit 1; }
  rm "$settings"
}
# What killed saves left: each program's start clears this user's leftovers once they are old,
# and leaves a young one, which may belong to a save still running.
leftover() {  # NAME AGE
  echo part >"$prefix/lib/bandwise/$1" && touch -d "$2" "$prefix/lib/bandwise/$1"
}
cleared() {  # LEFTOVER...: each gone, and the young one still there
  for name in "$@"; do [ ! -e "$prefix/lib/bandwise/$name" ] || { echo "a start left $name"; exit 1; }; done
  [ -e "$prefix/lib/bandwise/Language.ini.99.tmp" ] || { echo "a start removed a young leftover"; exit 1; }
}
leftover Colours.ini.12.tmp '-10 minutes'
leftover Language.ini.99.tmp now
start_and_end Settings "$prefix/bin/bandwise-settings"
cleared Colours.ini.12.tmp
leftover Settings.ini.34.tmp '-10 minutes'
start_and_end Bandwise "$command"
cleared Settings.ini.34.tmp
rm "$prefix/lib/bandwise/Language.ini.99.tmp"
saved_settings "$command"
[ -f "$prefix/lib/bandwise/Language.ini" ] || { echo "no Language.ini installed"; exit 1; }

# Started through the dynamic loader, as valgrind does, the program still finds its own directory,
# not the loader's: here a copy of the loader in the scratch folder, where a program mistaking
# the loader's directory for its own would leave its files.
loader=$(readelf -l "$prefix/lib/bandwise/Bandwise" | sed -n 's/.*program interpreter: \(.*\)]$/\1/p')
cp "$loader" "$prefix/loader"
start_and_end loader "$prefix/loader" "$prefix/lib/bandwise/Bandwise"
saved_settings through the loader
[ -z "$(find "$prefix" -maxdepth 1 -name '*.ini')" ] || { echo "files beside the loader: $(ls "$prefix")"; exit 1; }
echo "installed; both programs started through their launchers, ignoring SIGXFSZ and clearing old leftovers of killed saves; Bandwise, started also through the loader, saved its settings each time"
