#!/usr/bin/env bash
# Runs every fuzz target for a bounded time, seeded from the shipped files, and writes the fuzzing
# section of the robustness report (the whole file when it has no such section yet).
# Usage: scripts/fuzz.sh SECONDS_PER_TARGET REPORT_FILE
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

# The fuzzing section of the report, between its markers; the rest of the report is written by hand.
section=$(cat <<SECTION
<!-- fuzz:begin -->
## Fuzzing

Written by \`make fuzz\` (\`scripts/fuzz.sh\`); the figures are from its last run on $(date -u +%Y-%m-%d), on
$(nproc) cores of $(uname -m) $(uname -s) with $(clang --version | head -n 1).

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
<!-- fuzz:end -->
SECTION
)
if [ -f "$report" ] && grep -q '^<!-- fuzz:begin -->$' "$report" && grep -q '^<!-- fuzz:end -->$' "$report"; then
  section="$section" awk '
    /^<!-- fuzz:begin -->$/ { print ENVIRON["section"]; skipping = 1; next }
    /^<!-- fuzz:end -->$/ { skipping = 0; next }
    !skipping' "$report" >"$report.new"
  mv "$report.new" "$report"
else
  printf '%s\n' "$section" >"$report"
fi
echo "report: $report"
exit $failed
