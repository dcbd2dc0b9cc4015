#!/usr/bin/env bash
# Orvenna reached the console's start state (its atmosphere on, at the home place) and the
# atmosphere button switched it off.
set -euo pipefail
cd "$1"
on_flags() { python3 -c 'import json,sys; print(" ".join(json.load(open(sys.argv[1]))["programs"]["orvenna"]["state"]["on"]))' "$1"; }
place() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["programs"]["orvenna"]["state"]["place"]["name"])' "$1"; }
before="$(on_flags before.json)"
after="$(on_flags after.json)"
[[ " $before " == *" atmosphere "* ]] || { echo "atmosphere not on at the start state: $before"; exit 1; }
[[ " $after " != *" atmosphere "* ]] || { echo "atmosphere still on after its button: $after"; exit 1; }
[[ "$(place before.json)" != "" ]] || { echo "no place at the start state"; exit 1; }
[[ -s training.png ]] || { echo "no screenshot"; exit 1; }
controls="$(python3 -c 'import json,sys; p=json.load(open(sys.argv[1]))["programs"]; print(p["media_player"]["installed"], "pdf_reader" in p)' before.json)"
[[ "$controls" == "True True" ]] || { echo "the media player and PDF reader controls are not both installed: $controls"; exit 1; }
