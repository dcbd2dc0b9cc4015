#!/usr/bin/env bash
# Plays a scenario with the console program on a fresh machine, in a fresh folder, and checks
# its dumps with the given check script. Further arguments go to the program (--monitors 2).
# With LAYOUT set, the scenario's layout step chooses that layout instead (its line unchanged).
# With NEXT_SCENARIO set, the console is started again on the machine the first one left and
# plays that scenario before the check.
set -euo pipefail
program="$1" scenario="$2" check="$3"
shift 3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
in_layout() {
  if [ -n "${LAYOUT:-}" ]; then
    sed "s/^layout .*/layout $LAYOUT/" "$1" >"$work/$(basename "$1")"
    echo "$work/$(basename "$1")"
  else
    echo "$1"
  fi
}
cd "$work"
"$program" --data "$work/machine" --scenario "$(in_layout "$scenario")" "$@"
if [ -n "${NEXT_SCENARIO:-}" ]; then
  "$program" --data "$work/machine" --scenario "$(in_layout "$NEXT_SCENARIO")" "$@"
fi
"$check" "$work"
