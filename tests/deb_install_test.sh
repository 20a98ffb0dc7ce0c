#!/usr/bin/env bash
# The Debian package as an ordinary user gets it: unpacked into a root-owned tree as dpkg lays it
# out, then used by an unprivileged user with a throwaway home on a private X server. Settings
# saves Español and a colour; Bandwise then comes up in Spanish with that colour, and its Exit
# shows no message. The user's files are in ~/.config/bandwise, also when Bandwise is started
# through the dynamic loader. Without HOME the user's home is the password database's, which this
# user cannot write, so Exit says the save failed. Root, who may write anywhere, keeps its files in
# its own home too, so the program directory stays as it was installed.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "needs root, to install the package as root does and to act as another user"; exit 1; }
deb=$(readlink -f "$1")
scratch=$(mktemp -d /tmp/bandwise-deb.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

root="$scratch/root" home="$scratch/home"
dpkg-deb -x "$deb" "$root"
chmod 755 "$scratch"
mkdir "$home" "$scratch/runtime" && chown 65534:65534 "$home" "$scratch/runtime" && chmod 700 "$scratch/runtime"
program_directory="$root/usr/lib/bandwise"
listing() { (cd "$program_directory" && find . -exec stat -c '%A %U %n' {} + && find . -type f -exec md5sum {} +) | sort; }
installed=$(listing)
# Qt is where the system keeps it, and the project's own libraries are linked in: no run path.
for program in "$program_directory/Bandwise" "$program_directory/Settings" "$root/usr/bin/bandwise-cli"; do
  if paths=$(readelf -d "$program" | grep -E 'RPATH|RUNPATH'); then
    fail "$program has a run path: $paths"
  fi
done

# A display number of the server's own choosing, so no other server is ever driven.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
display=":$(cat "$scratch/display")"
export DISPLAY="$display"
# Only ever started in the background (&), where it becomes the program: $! is then the program's
# own pid, which a SIGTERM reaches.
as_user() {
  exec setpriv --reuid=65534 --regid=65534 --clear-groups env -i HOME="$home" XDG_RUNTIME_DIR="$scratch/runtime" \
    DISPLAY="$display" LANG=C.UTF-8 PATH=/usr/bin:/bin "$@"
}
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1; }
# Waits up to 5 s for a process to end.
ended() { for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
# Presses keys in the window that has the focus, and waits for the program to take them.
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
focus() { xdotool windowfocus --sync "$(window "$1")"; sleep 0.3; }
saved() { focus '^Settings - Bandwise$'; keys Return; focus '^Settings$'; }

# The command line, with the windows' Spanish colour words found from bin.
[ "$(as_user "$root/usr/bin/bandwise-cli" --language Español decode amarillo violeta rojo dorado)" = '4700±5%' ] ||
  fail "bandwise-cli does not decode as installed"

as_user "$root/usr/bin/bandwise-settings" & settings=$!; pids+=($settings)
xdotool windowfocus --sync "$(window '^Settings$')"
sleep 0.5
# The first control is Black's colour button: pick #123456 in the colour dialog.
keys space
xdotool windowfocus --sync "$(window '^Select Colou?r$')"
keys alt+h ctrl+a
xdotool type --delay 50 '#123456'
keys Return
focus '^Settings$'
# Back through the tab order: "Save language settings", then the language list.
keys shift+Tab shift+Tab Down Tab Return
saved
# From there, two back: "Save colour settings".
keys shift+Tab shift+Tab Return
saved
kill -TERM "$settings"; wait "$settings" || true

config="$home/.config/bandwise"
[ "$(sed -n 2p "$config/Language.ini" | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8)" = 'Español\Español.ini' ] ||
  fail "the user's Language.ini: $(od -c "$config/Language.ini" | head -3)"
[ "$(sed -n 2p "$config/Colours.ini" | tr -d ' \r')" = "$((0x563412))" ] ||
  fail "the user's Colours.ini: $(head -3 "$config/Colours.ini")"

as_user "$root/usr/bin/bandwise" & bandwise=$!; pids+=($bandwise)
main=$(window '^Bandwise \(Español\)$') || true
[ -n "$main" ] || fail "no window titled \"Bandwise (Español)\": $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
sleep 0.5
# The middle of the first band's Black swatch: client area 8 + group 16 + swatch 96 + 4 across,
# 8 + 56 + 27 + 4 down.
eval "$(xdotool getwindowgeometry --shell "$main")"
pixel=$(import -window root -crop "1x1+$((X + 124))+$((Y + 95))" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
[ "$pixel" = "#123456" ] || fail "Black's swatch is $pixel, not the saved #123456"
xdotool windowfocus --sync "$main"
sleep 0.5
keys shift+Tab Return  # Exit, the last control
ended "$bandwise" ||
  fail "Bandwise is still running after Exit; its windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
[ "$(od -An -c "$config/Settings.ini" | tr -s ' ')" = " 1 \r \n" ] || fail "the user's Settings.ini: $(od -c "$config/Settings.ini")"

# Through the dynamic loader, as valgrind starts it: the package's own Language Files still give
# the Spanish title, and Exit saves into the user's directory, not beside the loader.
loader=$(readelf -l "$program_directory/Bandwise" | sed -n 's/.*program interpreter: \(.*\)]$/\1/p')
rm "$config/Settings.ini"
as_user "$loader" "$program_directory/Bandwise" & bandwise=$!; pids+=($bandwise)
main=$(window '^Bandwise \(Español\)$') || true
[ -n "$main" ] || fail "through $loader, no window titled \"Bandwise (Español)\": $(xdotool search --onlyvisible --name . getwindowname %@ 2>&1)"
xdotool windowfocus --sync "$main"
sleep 0.5
keys shift+Tab Return
ended "$bandwise" || fail "Bandwise started through $loader is still running after Exit"
[ -f "$config/Settings.ini" ] || fail "Bandwise started through $loader saved no Settings.ini in ~/.config/bandwise"

# Without HOME: the password database's home, /nonexistent, so Exit's save fails with the
# program's message box (a second window titled "Bandwise"), answered with Return. The program
# directory is not the user's to write even when its permissions would let them.
chmod o+w "$program_directory"
as_user env -u HOME "$root/usr/bin/bandwise" & bandwise=$!; pids+=($bandwise)
main=$(window '^Bandwise$')
xdotool windowfocus --sync "$main"
sleep 0.5
keys shift+Tab Return
message=
for _ in $(seq 50); do
  message=$(xdotool search --onlyvisible --name '^Bandwise$' | grep -vx "$main" | head -1) && break
  sleep 0.1
done
[ -n "$message" ] || fail "without HOME, Exit showed no message that the save failed"
xdotool windowfocus --sync "$message"
keys Return
ended "$bandwise" || fail "without HOME, Bandwise is still running after its message was answered"
chmod o-w "$program_directory"

# Root: its Bandwise saves into its own home, not into the package's directory.
mkdir "$scratch/root-home" && mkdir -m 700 "$scratch/root-runtime"
env -i HOME="$scratch/root-home" XDG_RUNTIME_DIR="$scratch/root-runtime" DISPLAY="$display" LANG=C.UTF-8 PATH=/usr/bin:/bin \
  "$root/usr/bin/bandwise" & bandwise=$!
pids+=($bandwise)
focus '^Bandwise$'
keys shift+Tab Return
ended "$bandwise" || fail "root's Bandwise is still running after Exit"
[ -f "$scratch/root-home/.config/bandwise/Settings.ini" ] || fail "root's Bandwise saved no Settings.ini in its home"
[ "$(listing)" = "$installed" ] || fail "the program directory changed: $(diff <(echo "$installed") <(listing))"
echo "installed without a run path, used as an ordinary user (Spanish and #123456 saved in ~/.config/bandwise, also through the loader; without HOME the save failed with its message) and as root, the program directory untouched"
