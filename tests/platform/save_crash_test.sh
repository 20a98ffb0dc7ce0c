#!/usr/bin/env bash
# A real save, killed at each of its system calls in turn: the file is always the old one or the
# new one, whole and with its permissions, and the next start clears what the kill left behind,
# though never a temporary file young enough to belong to a save still running.
#
#   save_crash_test.sh STRACE SAVE_DRIVER
#
# strace traces one whole save to learn its system calls, then kills the save with SIGKILL at the
# k-th of them by injecting the signal at the call's entry (the call itself never runs). A call is
# named by its system call and how often that call has been made in the whole process so far, so
# every run must make the same calls: each runs in the same fixed environment on a fresh copy of
# the same directory, and two full traces are compared first.
set -uo pipefail

strace=$1
driver=$2
name=Colours.ini
old_bytes=$';Bandwise - Colour Settings\r\n"0"\r\n"1"\r\n'
new_bytes=$';Bandwise - Colour Settings\r\n"10000"\r\n"20000"\r\n"30000"\r\n"40000"\r\n12632256\r\n'
# Nothing of the caller's environment (locale, malloc tuning) may change the calls a run makes.
# LeakSanitizer cannot work in a traced process, so a sanitizer build checks leaks elsewhere.
fixed_env=(env -i PATH=/usr/bin:/bin LC_ALL=C ASAN_OPTIONS=detect_leaks=0)
umask 022

scratch=$(mktemp -d /tmp/bandwise-save-crash.XXXXXX) || exit 1
trap 'rm -rf -- "$scratch"' EXIT
dir=$scratch/program
file=$dir/$name
printf '%s' "$old_bytes" >"$scratch/old"
printf '%s' "$new_bytes" >"$scratch/new"

fail() {
  echo "$*"
  exit 1
}

# The directory as every run starts from: only the old file, with permissions of its own.
fresh_directory() {
  rm -rf -- "$dir"
  mkdir "$dir"
  cp -- "$scratch/old" "$file"
  chmod 0640 "$file"
}

# Everything in the directory but the file itself, one name a line.
others() {
  find "$dir" -mindepth 1 ! -path "$file" -printf '%P\n' | LC_ALL=C sort
}

start_only() {
  "${fixed_env[@]}" "$driver" "$dir" || fail "$1: the start alone ended with status $?"
}

# The file is the old or the new one, whole, as a regular file with its permissions; prints which.
whole_file() {
  [ -f "$file" ] && [ ! -L "$file" ] || fail "$1: $name is missing"
  [ "$(stat -c %a "$file")" = 640 ] || fail "$1: $name has permissions $(stat -c %a "$file"), not 640"
  if cmp -s "$file" "$scratch/old"; then
    echo old
  elif cmp -s "$file" "$scratch/new"; then
    echo new
  else
    fail "$1: $name is neither the old nor the new file but $(stat -c %s "$file") bytes of something else"
  fi
}

# The save's own calls from a full trace, one "NAME COUNT" a line, COUNT being how many calls of
# NAME the process has made up to and including this one; fails unless one process made them.
save_calls() {
  awk '
    { line = $0; if (match(line, /^[0-9]+ +/)) { pids[substr(line, 1, RLENGTH)] = 1; line = substr(line, RLENGTH + 1) } }
    !match(line, /^[a-z_0-9]+\(/) { next }
    {
      call = substr(line, 1, RLENGTH - 1)
      made[call]++
      if (index(line, "prctl(PR_SET_NAME, \"save begins\")") == 1) { inside = 1; begun = 1; next }
      if (index(line, "prctl(PR_SET_NAME, \"save ends\")") == 1) { inside = 0; ended = 1; next }
      if (inside) print call, made[call]
    }
    END {
      if (!begun || !ended) { print "the trace does not show where the save begins and ends" > "/dev/stderr"; exit 1 }
      if (length(pids) > 1) { print "more than one process or thread made the calls" > "/dev/stderr"; exit 1 }
    }' "$1"
}

# Every call of the process up to the end of the save, names only: what the counts depend on.
calls_until_saved() {
  sed -E 's/^[0-9]+ +//' "$1" | awk 'match($0, /^[a-z_0-9]+\(/) { print substr($0, 1, RLENGTH - 1) } /save ends/ { exit }'
}

# Tracing needs ptrace, which some containers forbid.
if ! probe=$("${fixed_env[@]}" "$strace" -o /dev/null /bin/true 2>&1); then
  case $probe in
    *"Operation not permitted"*) echo "skipped: this system does not permit ptrace ($probe)"; exit 77 ;;
    *) fail "strace cannot trace at all: $probe" ;;
  esac
fi

# One whole save, traced twice: the same calls in the same order, ending with the new file.
for run in 1 2; do
  fresh_directory
  "${fixed_env[@]}" "$strace" -f -qq -o "$scratch/trace$run" "$driver" "$dir" "$name" "$new_bytes" ||
    fail "the traced save ended with status $?"
  outcome=$(whole_file "the traced save") || fail "$outcome"
  [ "$outcome" = new ] || fail "the traced save left the old file"
  [ -z "$(others)" ] || fail "the traced save left beside the file: $(others)"
done
calls_until_saved "$scratch/trace1" >"$scratch/calls1"
calls_until_saved "$scratch/trace2" >"$scratch/calls2"
cmp -s "$scratch/calls1" "$scratch/calls2" ||
  fail "two runs of the same save made different system calls, so no call can be named by its count:
$(diff "$scratch/calls1" "$scratch/calls2" | head -20)"
save_calls "$scratch/trace1" >"$scratch/points" || fail "cannot find the save's system calls in the trace"
[ -s "$scratch/points" ] || fail "the save made no system calls"

# The save without a kill, untraced.
fresh_directory
"${fixed_env[@]}" "$driver" "$dir" "$name" "$new_bytes" || fail "the save ended with status $?"
outcome=$(whole_file "the save") || fail "$outcome"
[ "$outcome" = new ] || fail "the save left the old file"

points=0 old=0 new=0 left=0
while read -r call count <&3; do
  points=$((points + 1))
  at="killed at call $points of the save ($call, call $count of it in the process)"
  fresh_directory
  # In a subshell of its own, so that the shell's "Killed" notice goes nowhere.
  ("${fixed_env[@]}" "$strace" -f -qq -o "$scratch/killed" -e trace="$call" -e inject="$call:signal=KILL:when=$count" \
    "$driver" "$dir" "$name" "$new_bytes"; exit $?) 2>/dev/null
  status=$?
  grep -q '+++ killed by SIGKILL +++' "$scratch/killed" && [ "$status" -eq 137 ] ||
    fail "$at: the save was not killed there (status $status); the run made other calls than the traced one"
  [ "$(grep -cE "^([0-9]+ +)?$call\(" "$scratch/killed")" -eq "$count" ] ||
    fail "$at: the kill came at another call of $call than the one traced"
  outcome=$(whole_file "$at") || fail "$outcome"
  [ "$outcome" = old ] && old=$((old + 1)) || new=$((new + 1))
  cp -p -- "$file" "$scratch/killed-file"

  # A start while what the kill left is young keeps it: a save still running may own it.
  leftovers=$(others)
  start_only "$at"
  [ "$(others)" = "$leftovers" ] || fail "$at: a start removed a temporary file only seconds old: $leftovers"
  cmp -s "$file" "$scratch/killed-file" || fail "$at: a start changed $name"

  # Once old, the next start clears it, and the file stays as the kill left it.
  if [ -n "$leftovers" ]; then
    left=$((left + 1))
    find "$dir" -mindepth 1 ! -path "$file" -exec touch -h -d '-10 minutes' -- {} +
  fi
  start_only "$at"
  [ -z "$(others)" ] || fail "$at: the next start left beside the file: $(others | paste -sd ' ')"
  after=$(whole_file "$at, then a start") || fail "$after"
  cmp -s "$file" "$scratch/killed-file" || fail "$at: the next start changed $name"
done 3<"$scratch/points"

# Without a kill that leaves something behind, clearing it was never tried.
[ "$left" -gt 0 ] || fail "no kill left a temporary file behind, so clearing one was never tried"
echo "killed the save at each of its $points system calls: the file was whole each time (old $old, new $new);" \
  "$left kills left a temporary file, kept by a start while young and cleared by the next once old"
