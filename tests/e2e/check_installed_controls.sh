#!/usr/bin/env bash
# A fresh machine made by the program outside a scenario (here for a screenshot, on no desktop
# thread of its own) has the media player and PDF reader controls installed in its registry.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$program" --data "$work/machine" --screenshot "$work/fresh.png" >/dev/null
for class in "{6BF52A52-394A-11d3-B153-00C04F79FAA6}" "{CA8A9780-280D-11CF-A24D-444553540000}"; do
  grep -qiF 'CLSID\\'"$class"'"' "$work/machine/registry.txt" || { echo "the class $class is not installed"; exit 1; }
done
