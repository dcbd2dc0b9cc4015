#!/usr/bin/env bash
# The two-monitor layout with the console on the second monitor: Orvenna full screen over the
# first monitor, the console's window shown over the second, the start state reached (atmosphere
# on, at the home place) and the atmosphere button switched it off.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json
import sys

FIRST_MONITOR = [0, 0, 1920, 1080]
SECOND_MONITOR = [1920, 0, 3840, 1080]

def load(name):
    with open(name) as f:
        return json.load(f)

def fail(reason):
    print(reason)
    sys.exit(1)

def window(dump, handle):
    return next((w for w in dump["windows"] if w["handle"] == handle), None)

before, after = load("before.json"), load("after.json")
orvenna = before["programs"]["orvenna"]
main = window(before, orvenna["windows"]["main"])
if main is None or not main["visible"]:
    fail("Orvenna has no visible main window")
if not orvenna["full_screen"] or main["rect"] != FIRST_MONITOR:
    fail(f"Orvenna is not full screen over the first monitor: {main['rect']}")
consoles = [w for w in before["windows"]
            if w["program"] == "OrvennaConsole.exe" and w["title"].startswith("Orvenna Console Dome")]
if len(consoles) != 1 or not consoles[0]["visible"] or consoles[0]["rect"] != SECOND_MONITOR:
    fail(f"the console's window is not shown over the second monitor: {consoles}")
unanswered = [b["text"] for b in before["message_boxes"] if b["answer"] == 0]
if unanswered:
    fail(f"message boxes left open: {unanswered}")
state_before = before["programs"]["orvenna"]["state"]
state_after = after["programs"]["orvenna"]["state"]
if "atmosphere" not in state_before["on"]:
    fail(f"atmosphere not on at the start state: {state_before['on']}")
if not state_before["place"]["name"]:
    fail("no place at the start state")
if "atmosphere" in state_after["on"]:
    fail(f"atmosphere still on after its button: {state_after['on']}")
with open("two-monitor-layout.png", "rb") as f:
    header = f.read(24)
if len(header) < 24 or header[12:16] != b"IHDR":
    fail("no screenshot")
size = [int.from_bytes(header[16:20], "big"), int.from_bytes(header[20:24], "big")]
if size != [3840, 1080]:
    fail(f"the screenshot is not both monitors side by side: {size}")
PY
