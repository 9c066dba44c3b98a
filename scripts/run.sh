#!/usr/bin/env bash
# Builds ordovan natively and runs it on the example chain next to it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/tools.sh
ensure_tools native
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc 2>/dev/null || echo 2)" --target ordovan
exec build/native/ordovan "$@"
