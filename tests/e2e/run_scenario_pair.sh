#!/usr/bin/env bash
# Plays two scenarios on two fresh machines, the second after the first has left a file: the
# file (a path under the C: drive, with forward slashes) is carried from the first machine's
# drive to the second's, as a presenter carries a show on a stick. Then CHECK runs with the
# folder that holds both ("first" and "second"). LAYOUT chooses the layout of both.
set -euo pipefail
program="$1" first="$2" second="$3" carried="$4" check="$5"
shift 5
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
play() {
  local scenario="$1" folder="$work/$2"
  mkdir -p "$folder"
  if [ -n "${LAYOUT:-}" ]; then
    sed "s/^layout .*/layout $LAYOUT/" "$scenario" >"$folder/$(basename "$scenario")"
    scenario="$folder/$(basename "$scenario")"
  fi
  (cd "$folder" && "$program" --data "$folder/machine" --scenario "$scenario" "${@:3}")
}
play "$first" first "$@"
mkdir -p "$(dirname "$work/second/machine/C/$carried")"
cp "$work/first/machine/C/$carried" "$work/second/machine/C/$carried"
play "$second" second "$@"
"$check" "$work"
