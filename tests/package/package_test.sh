#!/usr/bin/env bash
# Builds the portable package of a build tree with CPack, unpacks it into a
# fresh folder, checks what it holds and runs its example chain from there, as
# a user who downloaded it would. Also checks that `cmake --install --strip`
# gives the same layout.
#   package_test.sh BUILD_DIR ARCHIVE_NAME PROGRAM [RUNNER...]
set -euo pipefail
build=$1 archive=$2 program=$3
shift 3
runner=("$@")

work=$(mktemp -d /tmp/ordovan-package-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
[ -f "$work/out/$archive" ] || fail "cpack did not write $archive"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/out/$archive")
folder=${archive%.zip}
folder=${folder%.tar.gz}
[ "$(ls "$work/unpacked")" = "$folder" ] || fail "the archive holds more than the folder $folder"
unpacked=$work/unpacked/$folder

expected="LICENSE README.md ordovan.ini $program"
if [ "${program%.exe}" = "$program" ]; then
  expected="$expected examples/autostart/ordovan.desktop examples/systemd/ordovan.service ordovan.1"
fi
actual=$(cd "$unpacked" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
wanted=$(echo "$expected" | tr ' ' '\n' | sort | tr '\n' ' ')
[ "$actual" = "$wanted" ] || fail "package holds: $actual; expected: $wanted"

# The same layout from cmake --install, stripped.
cmake --install "$build" --prefix "$work/installed" --strip >/dev/null
installed=$(cd "$work/installed" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
[ "$installed" = "$actual" ] || fail "cmake --install gives: $installed"

if [ "${program%.exe}" = "$program" ]; then
  ! ldd "$unpacked/$program" | grep -E 'libstdc\+\+|libgcc_s' || fail "links libstdc++ or libgcc dynamically"
  [ -z "$(nm "$unpacked/$program" 2>/dev/null)" ] || fail "the program is not stripped"
else
  grep -q $'\r$' "$unpacked/ordovan.ini" || fail "the Windows example chain has no CR LF line ends"
  size=$(stat -c %s "$unpacked/$program")
  [ "$size" -le 307200 ] || fail "$program is $size bytes, more than 300 KiB"
fi

# Run the example chain from the unpacked folder, from another directory.
run() {
  status=0
  (cd "$work" && "${runner[@]}" "$unpacked/$program" >"$work/output" 2>&1) || status=$?
}
run
if [ ! -s "$work/output" ] && [ ${#runner[@]} -gt 0 ]; then
  # Not a byte, not even the banner or a message of Wine's: Wine did not get
  # the program going (seen once, not reproduced). Say so and try once more.
  echo "warning: $program under Wine ended with status $status and wrote nothing; once more" >&2
  run
fi
[ "$status" -eq 0 ] || { cat "$work/output"; fail "the example chain ended with status $status"; }
tail -c 9 "$work/output" | grep -q 'Done\.' || { cat "$work/output"; fail "no closing line"; }
grep -q 'Run: ' "$work/output" || fail "the example chain ran nothing"
echo "package $archive: unpacked, checked and run"
