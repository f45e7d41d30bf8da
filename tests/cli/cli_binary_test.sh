#!/usr/bin/env bash
# roofcalc-cli as a user runs it: in a folder with a wind.txt, under the Russian numeric locale.
set -u
cli=$1
share=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$share/wind.txt" "$share/klimat.txt" "$share/materials.txt" "$dir/"
cd "$dir"
export LC_ALL=ru_RU.UTF-8 ROOFCALC_CWD_DATA_ONLY=1
fail=0

out=$("$cli" fastener) || { echo "fastener failed: $?"; fail=1; }
lines=$(printf '%s\n' "$out" | wc -l)
[ "$lines" -ge 35 ] || { echo "expected a report, got $lines lines"; fail=1; }
printf '%s\n' "$out" | grep -qx 'Регион:  I' || { echo "the second region is not selected"; fail=1; }

err=$("$cli" fastener Edit3= 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || { echo "Edit3= exited $status, expected 1"; fail=1; }
[ "$err" = "'' is not a valid floating point value." ] || { echo "Edit3= said: $err"; fail=1; }

"$cli" fastener Bogus=1 >/dev/null 2>&1
status=$?
[ "$status" -eq 2 ] || { echo "unknown control exited $status, expected 2"; fail=1; }

out=$(LC_ALL=C "$cli" fastener 2>&1)
status=$?
# Under a locale with a point the comma-written data does not convert.
[ "$status" -eq 1 ] || { echo "C locale: exit $status"; fail=1; }

# The shipped climate and materials load without a message, and a catalogue row computes.
out=$("$cli" thermal MatCombo1=2 dEdit1=200 2>"$dir/err") || { echo "thermal failed: $?"; fail=1; }
[ -s "$dir/err" ] && { echo "thermal said: $(cat "$dir/err")"; fail=1; }
printf '%s\n' "$out" | grep -qx 'Район строительства:  г.Москва' || { echo "the first city is not selected"; fail=1; }
printf '%s\n' "$out" | grep -q '^Требуется: [1-9][0-9]* мм$' || { echo "thermal gave no thickness"; fail=1; }

[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$fail"
