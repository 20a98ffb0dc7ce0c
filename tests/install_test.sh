#!/usr/bin/env bash
# A fresh install into a temporary prefix, started through its desktop entry's command: the
# program starts, and on being asked to end it saves its settings into its own directory.
set -euo pipefail
build=$1
prefix=$(mktemp -d "/tmp/bandwise install.XXXXXX")
trap 'kill -KILL "${pid:-0}" 2>/dev/null || true; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/bandwise.desktop"
command=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
[ -x "$command" ] || { echo "Exec of $entry is not an executable: $command"; exit 1; }

# The program says when its first frame is painted; wait for that rather than a fixed time.
output="$prefix/output"
QT_QPA_PLATFORM=offscreen BANDWISE_BENCH_T0=0 "$command" >"$output" 2>/dev/null & pid=$!
for _ in $(seq 300); do grep -q first-frame "$output" && break; sleep 0.1; done
grep -q first-frame "$output" || { echo "Bandwise did not show its window within 30 s"; exit 1; }
kill -TERM "$pid"
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "Bandwise did not end within 30 s of SIGTERM"; exit 1; fi

settings="$prefix/lib/bandwise/Settings.ini"
[ -f "$settings" ] || { echo "no Settings.ini in the program directory"; exit 1; }
[ "$(od -An -c "$settings" | tr -s ' ')" = " 1 \r \n" ] || { echo "unexpected Settings.ini:"; od -c "$settings"; exit 1; }
[ -f "$prefix/lib/bandwise/Language.ini" ] || { echo "no Language.ini installed"; exit 1; }
echo "installed, started through the desktop entry, saved its settings"
