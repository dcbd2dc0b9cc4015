#!/usr/bin/env bash
# The recorded_show scenarios: the saved file's shape, the replay of its script and command list
# on the other machine with the timing on the virtual clock, the stop's keys in order, and the
# hand-written files refused, asked about, and the remembered No told on the status line.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, re, sys

def load(name):
    return json.load(open("second/" + name))

def control(name, id):
    for c in load(name)["dialog"].get("controls", []):
        if c["id"] == id:
            return c["text"]
    return None

def orvenna(name):
    return load(name)["programs"]["orvenna"]

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

# The saved show: UTF-16LE without a byte-order mark, between its markers, one "@".
raw = open("first/machine/C/Users/presenter/talk.ocsf", "rb").read()
text = raw.decode("utf-16-le")
expect(raw[:10] == "xQJOC".encode("utf-16-le"), "the file does not begin with xQJOC in UTF-16LE: %r" % raw[:10])
expect(raw[-8:] == "xQJE".encode("utf-16-le"), "the file does not end with xQJE: %r" % raw[-8:])
expect(text.count("@") == 1, "the file holds %d \"@\"" % text.count("@"))
saved = json.load(open("first/saved.json"))
expect(not any("could not be saved" in b["text"] for b in saved["message_boxes"]), "the save was refused")
deletes = [b.get("answer") for b in saved["message_boxes"] if b["text"].startswith("If you answer Yes, the recording will be deleted.")]
expect(deletes == [7], "the cancelled save's question, answered No: %s" % deletes)

# The replay: the loaded show's script run whole, its start-state header, the Milky Way, a wait of
# about 3 s, the atmosphere.
expect(control("playing.json", 2042) == "Script made with the 5.2.1 version of Orvenna Console",
       "the status line while playing: %s" % control("playing.json", 2042))
expect(control("playing.json", 1127) == "Earth", "the location caption while playing: %s" % control("playing.json", 1127))
run = orvenna("playing.json")["scripts"][-1]["text"]
shape = re.search(r"core\.clear\(\"natural\"\);.*core\.wait\(3\.5\);\rMilkyWay\.setFlagShow\(!MilkyWay\.getFlagShow\(\)\);\r"
                  r"core\.wait\(([0-9.]+)\);\rvar atmo = LandscapeMgr\.getFlagAtmosphere\(\);\r"
                  r"LandscapeMgr\.setFlagAtmosphere\(!atmo\);\r\n\r\n$", run, re.S)
expect(shape is not None, "the replayed script is not the recorded one: %r" % run[-300:])
if shape:
    expect(2.0 <= float(shape.group(1)) <= 3.5, "the wait between the Milky Way and the atmosphere: %s" % shape.group(1))
expect(len(orvenna("start.json")["scripts"]) + 1 == len(orvenna("playing.json")["scripts"]), "not one script run by play")

def right_clicks(name):
    return sum(1 for m in orvenna(name)["messages"] if m["message"] == "WM_RBUTTONDOWN")
expect(right_clicks("before-deselect.json") == right_clicks("playing.json"), "the deselect came before 11 s")
expect(right_clicks("after-deselect.json") == right_clicks("playing.json") + 1, "no deselect between 11 s and 14 s")

# The stop: the stop key, the normal rate, then the four zoom key-ups, in this order.
names = {"0x33": "stop", "0x4b": "normal"}
ups = {("0x22", "0x1500001"): "next-up", ("0x21", "0x1500001"): "prior-up", ("0x10", "0x2a0001"): "shift-up"}
keys = []
for m in orvenna("stopped.json")["messages"][len(orvenna("after-deselect.json")["messages"]):]:
    if m["message"] == "WM_KEYDOWN" and m["wParam"].lower() in names:
        keys.append(names[m["wParam"].lower()])
    if m["message"] == "WM_KEYUP" and m["origin"] == "posted" and (m["wParam"].lower(), m["lParam"].lower()) in ups:
        keys.append(ups[(m["wParam"].lower(), m["lParam"].lower())])
expect(keys == ["stop", "normal", "next-up", "shift-up", "prior-up", "shift-up"], "the stop's keys: %s" % keys)
expect(not any(t["id"] == 300 for t in load("later.json")["timers"]), "timer 300 is still armed after the stop")

# The soundtrack: the media player control plays it, hidden, from play to stop; uninstalled, the
# show plays without it and says so.
def player(name):
    controls = load(name)["programs"].get("media_player", {}).get("controls", [])
    return controls[-1] if controls else {}
playing, later, stopped = player("soundtrack.json"), player("soundtrack-later.json"), player("soundtrack-stopped.json")
expect(playing.get("url", "").endswith("\\show.mp3") and playing.get("state") == "playing"
       and playing.get("ui_mode") == "invisible" and playing.get("volume") == 100,
       "the soundtrack at play: %s" % playing)
expect(later.get("state") == "playing" and later.get("position", 0) >= playing.get("position", 0) + 4,
       "the soundtrack 5 s later: %s" % later)
expect(stopped.get("state") == "stopped", "the soundtrack after the stop: %s" % stopped)
expect(orvenna("soundtrack.json")["scripts"][-1]["text"] == run, "the show did not play again with its soundtrack")
expect("The soundtrack show.mp3 cannot be played" in (control("no-player.json", 2042) or ""),
       "without the player: %s" % control("no-player.json", 2042))
expect(orvenna("no-player.json")["scripts"][-1]["text"] == run and
       len(orvenna("no-player.json")["scripts"]) == len(orvenna("soundtrack-stopped.json")["scripts"]) + 1,
       "the show did not play without its player")

# Hand-written files.
boxes = load("refused.json")["message_boxes"]
later = [b for b in boxes if "install the 0.19.0 version of Orvenna" in b["text"]]
expect(len(later) == 1, "the later Orvenna's 9450: %d" % len(later))
expect(len(orvenna("later-orvenna.json")["scripts"]) == len(orvenna("no-player.json")["scripts"]),
       "a refused show ran")
asked = [b for b in boxes if b["text"].startswith("This script was made using a different version of Orvenna Console.")]
expect(len(asked) == 1 and asked[0]["answer"] == 7, "the other console's 9440, once, answered No: %s" % asked)
expect(len(orvenna("remembered.json")["scripts"]) == len(orvenna("no-player.json")["scripts"]),
       "a show answered No ran")
expect((control("remembered.json", 2042) or "").startswith("The recording was not played"),
       "the remembered No is not told: %s" % control("remembered.json", 2042))
remembered = [v for k, v in load("remembered.json")["registry"].items() if "\\MessageBoxes\\" in k]
expect(remembered == [7], "the remembered answer: %s" % remembered)
expect(sum(1 for b in boxes if b["text"] == "File format not valid!") == 2, "the file without @ and the marked file")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
