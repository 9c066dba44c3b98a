#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every fuzz target for SECONDS each
# (default 60), starting from its seed corpus in fuzz/corpus/<target>/.
# Any crash, sanitizer report or broken property fails the run and prints
# the path of the input that shows it.
#   scripts/fuzz.sh [SECONDS]
#   scripts/fuzz.sh [SECONDS] TARGET...      only these targets
# New inputs that the fuzzers find go to build/fuzz/corpus/<target>/ (kept
# between runs, never into the repository); reproducers to build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/tools.sh
ensure_tools native fuzz

seconds=${1:-60}
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(ini_reader_fuzz time_value_fuzz command_line_fuzz parameters_fuzz langinfo_fuzz
           date_pattern_fuzz)
fi
declare -A dictionary=([ini_reader_fuzz]=fuzz/ini.dict [langinfo_fuzz]=fuzz/strftime.dict
                       [date_pattern_fuzz]=fuzz/date_pattern.dict)
# Long enough for a value past the 2047-byte cut, and no longer.
declare -A maxLength=([ini_reader_fuzz]=2600)

findings=build/fuzz/findings
mkdir -p "$findings"
failed=0
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
           -artifact_prefix="$findings/$target-")
  [ -n "${dictionary[$target]:-}" ] && options+=(-dict="${dictionary[$target]}")
  [ -n "${maxLength[$target]:-}" ] && options+=(-max_len="${maxLength[$target]}")
  log=$findings/$target.log
  status=0
  build/fuzz/fuzz/"$target" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "$target: FAILED (status $status), log $log"
    grep -E 'property broken|ERROR: |runtime error' "$log" | head -5 || true
    grep -E 'Test unit written to' "$log" | sed 's/^.*written to /reproducer: /' || true
  else
    echo "$target: ${runs:-?} runs in ${seconds} s, no finding"
  fi
done
exit $failed
