#!/usr/bin/env bash
# The fly_by_not_started scenario: the fly-by's file error told, and nothing of a running fly-by
# shown or sent: the button's caption, the location, the status line, its timers, its script.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import control, expect, finish, load, orvenna, timers

boxes = [b for b in load("flyby.json")["message_boxes"] if "flyby.ovs" in b["text"]]
expect(len(boxes) == 1 and boxes[0]["answer"] == 1, "the fly-by's file error: %s" % boxes)
expect(control("flyby.json", 1986) == "ORBIT AROUND", "the fly-by's button: %r" % control("flyby.json", 1986))
expect(control("flyby.json", 1127) == "EARTH", "the location: %r" % control("flyby.json", 1127))
expect(control("flyby.json", 2042) == "", "the status line: %r" % control("flyby.json", 2042))
expect(set(timers("flyby.json")) <= {4, 112}, "timers left running: %s" % timers("flyby.json"))
expect(not any("Flyby" in run["text"] for run in orvenna("flyby.json")["scripts"]), "the fly-by's script ran")
finish()
PY
