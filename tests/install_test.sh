#!/usr/bin/env bash
# A fresh install into a temporary prefix, started through its desktop entry's command: the
# program starts, and on being asked to end it saves its settings into its own directory.
set -euo pipefail
build=$1
prefix=$(mktemp -d "/tmp/bandwise install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entry="$prefix/share/applications/bandwise.desktop"
command=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
[ -x "$command" ] || { echo "Exec of $entry is not an executable: $command"; exit 1; }

QT_QPA_PLATFORM=offscreen "$command" & pid=$!
sleep 2
kill -0 "$pid" || { echo "Bandwise did not keep running"; exit 1; }
kill -TERM "$pid"
wait "$pid" || true

settings="$prefix/lib/bandwise/Settings.ini"
[ -f "$settings" ] || { echo "no Settings.ini in the program directory"; exit 1; }
[ "$(od -An -c "$settings" | tr -s ' ')" = " 1 \r \n" ] || { echo "unexpected Settings.ini:"; od -c "$settings"; exit 1; }
[ -f "$prefix/lib/bandwise/Language.ini" ] || { echo "no Language.ini installed"; exit 1; }
echo "installed, started through the desktop entry, saved its settings"
