#!/usr/bin/env bash
# Checks the systemd user unit: systemd-analyze verify accepts it without a
# word (its ExecStart pointed at the built program, since the example's path
# exists only once a user has unpacked the package), and it keeps the keys
# that make it run once at logon without stopping what the chain started.
#   verify_unit.sh UNIT PROGRAM
set -euo pipefail
unit=$1 program=$2
work=$(mktemp -d /tmp/ordovan-unit-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

for line in Type=oneshot RemainAfterExit=yes StandardOutput=journal WantedBy=default.target \
            'ExecStart=%h/ordovan/ordovan'; do
  grep -qx "$line" "$unit" || fail "$unit lacks the line $line"
done
sed "s|^ExecStart=.*|ExecStart=$program|" "$unit" >"$work/ordovan.service"
out=$(systemd-analyze verify --man=no "$work/ordovan.service" 2>&1) || fail "$out"
[ -z "$out" ] || fail "systemd-analyze verify: $out"
echo "unit verified"
