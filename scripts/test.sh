#!/usr/bin/env bash
# Builds every preset and runs every test: the native build, the native build
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the Windows build
# with its unit tests, INI probe and end-to-end scenarios under Wine; then a
# short run of every fuzz target (20 seconds each), and a check that the
# benchmark runs to its end (it times nothing here).
# Installs g++, CMake, GoogleTest, mingw-w64, Wine, clang, hyperfine and the
# other tools when they are missing;
# a tool that cannot be had fails the run, it is never skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/tools.sh
ensure_tools tests windows bench fuzz

jobs=$(nproc 2>/dev/null || echo 2)
for preset in native sanitize windows; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset"
done

echo "== fuzzing, 20 seconds per target =="
bash scripts/fuzz.sh 20

echo "== benchmark, quick =="
bash bench/run.sh --quick
