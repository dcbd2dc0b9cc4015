#!/usr/bin/env bash
# The keyboard_after_boxes scenario: after each box, the dialog it came with has the keyboard and
# Orvenna got no key and ran no script.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import expect, finish, load

def front_title(dump):
    return [w["title"] for w in dump["windows"] if w["handle"] == dump["foreground"]]

def orvenna_keys(dump):
    return [m for m in dump["programs"]["orvenna"]["messages"] if m["message"] == "0x0100"]

start = load("start.json")
for name, title, notice in (("advanced.json", "", "The date in the config file"),
                            ("event.json", "Event", "Error reading latitude and longitude")):
    dump = load(name)
    expect(front_title(dump) == [title],
           "%s: the keyboard is on %s, not on the dialog %r" % (name, front_title(dump), title))
    expect(len(orvenna_keys(dump)) == len(orvenna_keys(start)), "%s: Orvenna got the presenter's key" % name)
    expect(len(dump["programs"]["orvenna"]["scripts"]) == len(start["programs"]["orvenna"]["scripts"]),
           "%s: Orvenna ran a script" % name)
    expect(any(box["text"].startswith(notice) and box["answer"] == 1 for box in dump["message_boxes"]),
           "%s: no notice %r answered OK" % (name, notice))
finish()
PY
