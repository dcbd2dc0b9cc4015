#!/usr/bin/env bash
# The show_ends_cleanly scenarios: the event's place reached after its warning was read, the
# replay ended by Orvenna's restart, and the recording saved at Exit and played at the next start.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import control, count, expect, finish, load, orvenna, timers

# The event: warned about its latitude, and its place script ran all the same.
boxes = load("event.json")["message_boxes"]
expect(any("100087" in b["text"] for b in boxes), "the damaged latitude was not told: %s" % [b["text"] for b in boxes])
run = orvenna("event.json")["scripts"][-1]["text"]
expect('"#2: Rome"' in run, "the event's place script did not run: %r" % run[-300:])
expect(orvenna("event.json")["state"]["place"]["name"] == "#2: Rome",
       "the observer's place after the event: %s" % orvenna("event.json")["state"]["place"])
# The restart ends the replay: no timer 300, no later atmosphere step, no recorded place shown.
expect(300 in timers("playing.json"), "the show was not replaying")
expect(300 not in timers("restarted.json"), "timer 300 after the restart")
expect(count("restarted.json", "WM_KEYDOWN", "0x41") == count("restarting.json", "WM_KEYDOWN", "0x41"),
       "the replay's atmosphere step came after the restart")
expect(control("restarted.json", 1127) != "Mars", "the replay's place came after the restart")
# Exit during the recording: the save dialog, cancelled, the delete question answered No, saved.
deletes = [b.get("answer") for b in load("end.json")["message_boxes"]
           if b["text"].startswith("If you answer Yes, the recording will be deleted.")]
expect(deletes == [7], "the exit's delete question: %s" % deletes)
saved = open("machine/C/Users/presenter/Documents/exit.ocsf", "rb").read()
expect(saved.startswith("xQJOC".encode("utf-16-le")) and saved.endswith("xQJE".encode("utf-16-le")),
       "the show saved at Exit: %r" % saved[:40])
run = orvenna("next-playing.json")["scripts"][-1]["text"]
expect("MilkyWay" in run, "the show saved at Exit did not play at the next start: %r" % run[-200:])
finish()
PY
