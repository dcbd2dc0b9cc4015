#!/usr/bin/env bash
# The video played in mpv: started with the built command line over Orvenna's monitor, paused,
# muted and sped up by the remote's keys, closed by stop and by closing the remote.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def runs(name):
    return load(name)["programs"]["mpv"]["runs"]

def view(name):
    """Orvenna's render window, as its screen rectangle."""
    for w in load(name)["windows"]:
        if w.get("class") == "Qt5QWindowOwnDCIcon":
            return w["rect"]
    return None

def monitor_of(rect):
    return 0 if rect[0] < 1920 else 1

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(load("remote.json")["dialog"]["title"] == "Player", "the remote did not open: " + load("remote.json")["dialog"]["title"])
expect(not runs("remote.json"), "mpv started before play was pressed")
playing = runs("playing.json")
expect(len(playing) == 1, "mpv did not start once: %d" % len(playing))
if playing:
    run = playing[0]
    r = view("playing.json")
    line = run["command_line"]
    expect(line.startswith("mpv.exe --ontop --no-border --no-osc --no-osd-bar --osd-level=0  --volume=60 --video-rotate=0 "),
           "the command line's options: %r" % line)
    expect(line.endswith(' "C:\\Shows\\My Clips\\sky.mp4" '), "the file is not quoted whole: %r" % line)
    size = "%dx%d" % (r[2] - r[0], r[3] - r[1])
    layout_training = r[2] - r[0] < 1920
    if layout_training:
        expect(" --geometry=%s+%d+%d " % (size, r[0], r[1]) in line, "the training geometry: %r over %r" % (line, r))
    else:
        expect(" --screen=%d --geometry=%s+0+0 " % (monitor_of(r), size) in line,
               "not full screen on Orvenna's monitor: %r over %r" % (line, r))
    expect(run["rect"] == r, "mpv's window %r does not cover Orvenna's view %r" % (run["rect"], r))
    expect(run["end"] == "" and run["frames_shown"] > 10, "mpv does not play: %r" % run)
paused = runs("paused.json")[0]
loudest = load("loudest.json")
expect(runs("loudest.json")[0]["volume"] == 100, "mpv's volume at the top: %r" % runs("loudest.json")[0]["volume"])
front = [w["title"] for w in loudest["windows"] if w["handle"] == loudest["foreground"]]
expect(front == ["Player"], "the keyboard after the volume's bound is on %r, not the remote" % front)
expect(paused["paused"] and paused["muted"], "pause and mute did not reach mpv: %r" % paused["keys"])
expect([k["key"] for k in paused["keys"]] == ["p", "m"], "the keys mpv got: %r" % paused["keys"])
expect(runs("faster.json")[0]["speed"] > 1, "fast forward did not speed mpv up")
expect(runs("normal.json")[0]["speed"] == 1, "the second press did not bring normal speed")
stopped = load("stopped.json")
expect(runs("stopped.json")[0]["end"] == "close", "stop did not close mpv: %r" % runs("stopped.json")[0]["end"])
expect(stopped["dialog"]["title"] == "Player", "the remote closed at stop")
closed = runs("closed.json")
expect(len(closed) == 2, "play after stop did not start mpv again: %d" % len(closed))
expect(all(run["end"] == "close" for run in closed), "closing the remote left mpv running: %r" % [r["end"] for r in closed])
expect(load("closed.json")["dialog"]["title"] == "Multimedia window", "the remote did not close")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
