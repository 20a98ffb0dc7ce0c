#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, seeded from the shipped files, and writes the
# robustness report. Usage: scripts/fuzz.sh SECONDS_PER_TARGET REPORT_FILE
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
report=${2:-docs/robustness.md}
rss_mb=512
build=build-fuzz
work=$build/corpus

CC=clang CXX=clang++ cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBANDWISE_FUZZ=ON \
  -DBANDWISE_TESTS=OFF >/dev/null
cmake --build $build

seed() {  # seed TARGET FILES...
  local target=$1; shift
  mkdir -p "$work/$target"
  for f in "$@"; do cp "$f" "$work/$target/seed-$(basename "$f" | tr ' ()' '___')"; done
}
shopt -s nullglob
captions=(data/Language\ Files/*/*_Settings.ini)
languages=()
for f in data/Language\ Files/*/*.ini; do [[ $f == *_Settings.ini ]] || languages+=("$f"); done
seed caption_file "${captions[@]}"
seed language_file "${languages[@]}"
seed language_ini data/Language.ini
seed colours_file fuzz/seeds/Colours.ini
seed settings_ini fuzz/seeds/Settings.ini
seed field_reader data/Language.ini fuzz/seeds/Colours.ini fuzz/seeds/Settings.ini "${languages[@]}" "${captions[@]}"

rows=""
failed=0
for target in field_reader colours_file settings_ini language_ini language_file caption_file; do
  log=$build/$target.log
  mkdir -p "$build/crashes/$target"
  status=0
  "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -rss_limit_mb=$rss_mb -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target/" "$work/$target" >"$log" 2>&1 || status=$?
  execs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
  peak=$(grep -oE 'stat::peak_rss_mb: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo "?")
  corpus=$(ls "$work/$target" | wc -l)
  reports=$(grep -cE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log" || true)
  crashes=$(ls "$build/crashes/$target" | wc -l)
  outcome="no crash, no sanitizer report"
  if [ "$status" -ne 0 ] || [ "$reports" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    outcome="FAILED (exit $status, $reports reports, $crashes crash inputs in $build/crashes/$target)"
    failed=1
  fi
  echo "$target: $execs executions, peak ${peak} MB, $outcome"
  rows+="| \`${target}_fuzz\` | ${seconds} s | ${execs} | ${corpus} | ${peak} MB | ${outcome} |"$'\n'
done

cat >"$report" <<REPORT
# Robustness

What was tried against the files the programs read, and what happened. This file is written by
\`make fuzz\` (\`scripts/fuzz.sh\`); the figures below are from its last run on $(date -u +%Y-%m-%d), on
$(nproc) cores of $(uname -m) $(uname -s) with $(clang --version | head -n 1).

## Fuzzing

libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer, memory capped at ${rss_mb} MB per
target (\`-rss_limit_mb\`), any single input taking over 10 s counted as a hang (\`-timeout\`), seeded from the shipped language and caption files, \`Language.ini\`
and default \`Colours.ini\` and \`Settings.ini\`. Each target reads the fuzzer's bytes as the file
and applies what it read the way the program does.

| Target | What it reads |
|---|---|
| \`field_reader_fuzz\` | every field of any file, as text and as numbers, through the Windows-1252 round trip |
| \`colours_file_fuzz\` | \`Colours.ini\` as Bandwise reads it and as Settings reads it |
| \`settings_ini_fuzz\` | \`Settings.ini\` |
| \`language_ini_fuzz\` | \`Language.ini\` as both programs read it, and where its language path leads |
| \`language_file_fuzz\` | the 69-field language file, applied to the window texts, captions and About box |
| \`caption_file_fuzz\` | the 25-field caption file of Settings |

| Target | Time | Executions | Corpus | Peak memory | Outcome |
|---|---|---|---|---|---|
${rows}
## Faults through the real windows

The tests run by \`make test\` open the real windows in temporary program directories, with each
file damaged in each of the ways of one shared table (\`tests/support/hostile_files.h\`), and check
the message shown (or its absence), the window's state and the bytes of the files afterwards;
the file, signal and opener tests do the same for the layers below:

| Fault | What happens |
|---|---|
| an empty file, a directory, a FIFO, a device, a 200 MB or a 4 TB sparse file, a quote never closed, in place of any file read | that file's usual message at once; the window opens with the defaults. Only regular files are read, never waited on, at most 1 MiB of each, and every byte a field takes (blanks and what follows a closing quote too) counts against its 64 KiB limit |
| a dangling link in place of a file | treated as a missing file: no message, defaults |
| a comment line longer than a field may be, in a part of the file the program does not use | passed over: the file is read as usual and never rewritten for it |
| a damaged \`Colours.ini\` or \`Settings.ini\` | the load message; \`Settings.ini\`, left unread, is not overwritten at exit unless the check box is changed |
| a save that fails part-way (a full disk) | the save message; the old file byte-identical; no temporary file left |
| a link, a FIFO or a directory planted where a save's temporary file once went | never written through or waited on: each save creates its own temporary file exclusively |
| a file without any write permission, or one this user may not write in a world-writable directory | left alone, with the save message |
| rich-text markup in any text of any file | shown as plain text, character for character |
| a language path with an empty, ".", ".." part, or a NUL or ":" in a part | the language file's error message; nothing outside \`Language Files\` is opened |
| a program directory whose name is not UTF-8 | found by its bytes; the files are read and written there |
| a burst of termination signals once the window is up | the windows close and save once; later signals still work. Before the window is up a signal ends the program at once, saving nothing; one it was started ignoring (nohup) stays ignored |
| repeated clicks on a link | one opener per address at a time, in a session of its own, reading /dev/null, left running at Exit |
| bytes that Windows-1252 leaves undefined | read as the code points of the same value; the code page round trip keeps every byte |
REPORT
echo "report: $report"
exit $failed
