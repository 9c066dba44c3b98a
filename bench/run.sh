#!/usr/bin/env bash
# Measures what Ordovan costs beside the programs it starts, with hyperfine,
# in one run on this machine:
#   - the 11-entry chain of /bin/true in mode "wait" against the floor (a small
#     C program that only spawns and waits for /bin/true eleven times) and
#     against the same chain written as a bash script;
#   - the empty chain against /bin/true;
#   - peak resident memory of the 11-entry chain and of /bin/true.
# It measures build/native/ordovan, the release binary exactly as the Linux
# package ships it, writes hyperfine's table, the ratios and the machine to
# bench/results.md, and prints the ratios. Ratios, not absolute times, are the
# figures to quote.
#   bench/run.sh            the full benchmark (a minute or two)
#   bench/run.sh --quick    a few runs only, results to a temporary file
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/tools.sh
ensure_tools native bench

quick=false
[ "${1:-}" = --quick ] && quick=true

cmake --preset native >/dev/null
cmake --build --preset native --target ordovan -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
work=$(mktemp -d /tmp/ordovan-bench-XXXXXX)
trap 'rm -rf "$work"' EXIT
gcc -O2 -o "$work/floor" bench/floor.c

ordovan=$PWD/build/native/ordovan
# The chain files are named relative to the program's directory, as always.
chain11="$ordovan ../../bench/chain11.ini"
empty="$ordovan ../../bench/empty.ini"
"$ordovan" ../../bench/chain11.ini | grep -q 'Done\.' || { echo "the chain does not run" >&2; exit 1; }

if $quick; then
  runs=(--warmup 1 --runs 5)
  results=$work/results.md
else
  runs=(--warmup 50 --min-runs 300)
  results=bench/results.md
fi
# Each pair that is compared runs side by side, so that the drift of a busy
# machine weighs on both alike.
hyperfine -N "${runs[@]}" --style basic --output null \
  --export-csv "$work/times.csv" --export-markdown "$work/table.md" \
  -n "floor: posix_spawn + waitpid x 11" "$work/floor" \
  -n "ordovan: 11-entry chain" "$chain11" \
  -n "bash script: 11-entry chain" "bash bench/chain11.sh" \
  -n "/bin/true" "/bin/true" \
  -n "ordovan: empty chain" "$empty"

# Medians, in the order of the commands above (no command name holds a comma).
mapfile -t median < <(tail -n +2 "$work/times.csv" | cut -d, -f4)
floor=${median[0]} chain=${median[1]} script=${median[2]} true=${median[3]} emptyChain=${median[4]}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
chainMemory=$(peak $chain11)
trueMemory=$(peak /bin/true)

summary=$(cat <<EOF
| Comparison (medians of one run) | Ratio | Target |
|---|---|---|
| 11-entry chain / spawn floor | $(ratio "$chain" "$floor")x | at most 1.10x |
| bash script / 11-entry chain | $(ratio "$script" "$chain")x | (for reference) |
| empty chain / /bin/true | $(ratio "$emptyChain" "$true")x | at most 1.2x |
| peak memory, 11-entry chain | $chainMemory KiB ($(ratio "$chainMemory" 1024) MiB) | at most 2 MiB |
| peak memory, /bin/true | $trueMemory KiB | (for reference) |
EOF
)

{
  echo "# Ordovan benchmark results"
  echo
  echo "Made by \`bench/run.sh\` on $(date -u +%Y-%m-%d); machine: $(nproc) cores,"
  echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'),"
  echo "$(uname -sr), $(ldd --version | head -1)."
  echo
  echo "$summary"
  echo
  echo "hyperfine's table (times in milliseconds):"
  echo
  cat "$work/table.md"
} >"$results"

echo
echo "$summary"
$quick && echo "(quick run: nothing written to bench/results.md)" || echo "written to $results"
