#!/usr/bin/env bash
# The keyboard_after_boxes scenario: after each box, the dialog it came with has the keyboard and
# Orvenna got no key and ran no script.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def front_title(dump):
    return [w["title"] for w in dump["windows"] if w["handle"] == dump["foreground"]]

def orvenna_keys(dump):
    return [m for m in dump["programs"]["orvenna"]["messages"] if m["message"] == "0x0100"]

failures = []
start = load("start.json")
for name, title, notice in (("advanced.json", "", "The date in the config file"),
                            ("event.json", "Event", "Error reading latitude and longitude")):
    dump = load(name)
    if front_title(dump) != [title]:
        failures.append("%s: the keyboard is on %s, not on the dialog %r" % (name, front_title(dump), title))
    if len(orvenna_keys(dump)) != len(orvenna_keys(start)):
        failures.append("%s: Orvenna got the presenter's key" % name)
    if len(dump["programs"]["orvenna"]["scripts"]) != len(start["programs"]["orvenna"]["scripts"]):
        failures.append("%s: Orvenna ran a script" % name)
    if not any(box["text"].startswith(notice) and box["answer"] == 1 for box in dump["message_boxes"]):
        failures.append("%s: no notice %r answered OK" % (name, notice))
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
