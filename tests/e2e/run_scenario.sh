#!/usr/bin/env bash
# Plays a scenario with the console program on a fresh machine, in a fresh folder, and checks
# its dumps with the given check script. Further arguments go to the program (--monitors 2).
# With LAYOUT set, the scenario's layout step chooses that layout instead (its line unchanged).
set -euo pipefail
program="$1" scenario="$2" check="$3"
shift 3
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if [ -n "${LAYOUT:-}" ]; then
  sed "s/^layout .*/layout $LAYOUT/" "$scenario" >"$work/$(basename "$scenario")"
  scenario="$work/$(basename "$scenario")"
fi
cd "$work"
"$program" --data "$work/machine" --scenario "$scenario" "$@"
"$check" "$work"
