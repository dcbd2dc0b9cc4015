#!/usr/bin/env bash
# The video played in the media player inside Orvenna's view: its frames went on, the move keys
# moved it, pause held it, stop took the player away and the remote closed.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def controls(name):
    return load(name)["programs"]["media_player"]["controls"]

def window(name, handle):
    for w in load(name)["windows"]:
        if w["handle"] == handle:
            return w
    return None

def view(name):
    for w in load(name)["windows"]:
        if w.get("class") == "Qt5QWindowOwnDCIcon":
            return w
    return None

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(load("remote.json")["dialog"]["title"] == "Player", "the remote did not open: " + load("remote.json")["dialog"]["title"])
expect(not controls("remote.json"), "a player was made before play was pressed")
playing = controls("playing.json")
expect(len(playing) == 1, "not one player: %d" % len(playing))
if playing:
    video = playing[0]
    host = window("playing.json", video["host"])
    v = view("playing.json")
    expect(video["state"] == "playing" and video["ui_mode"] == "none", "the video does not play: %r" % video)
    expect(video["url"] == "C:\\Shows\\sky.mp4", "the player's media: %r" % video["url"])
    expect(host is not None and host["parent"] == v["handle"], "the player is not in Orvenna's view: %r" % host)
    expect(video["host_rect"] == [v["rect"][0] + 100, v["rect"][1] + 50, v["rect"][0] + 420, v["rect"][1] + 290],
           "the video's place %r over the view %r" % (video["host_rect"], v["rect"]))
    later = controls("later.json")[0]
    expect(later["frames_shown"] > video["frames_shown"], "the frames do not go on with the clock")
    moved = controls("moved.json")[0]
    expect(moved["host_rect"][:2] == [video["host_rect"][0] + 10, video["host_rect"][1] + 10],
           "the move keys: %r from %r" % (moved["host_rect"], video["host_rect"]))
paused = controls("paused.json")[0]
still = controls("still.json")[0]
expect(paused["state"] == "paused", "pause did not pause: %r" % paused["state"])
expect(still["frames_shown"] == paused["frames_shown"], "the paused video goes on")
stopped = controls("stopped.json")[0]
expect(window("stopped.json", stopped["host"]) is None, "the player stayed in Orvenna's view after stop")
expect(load("stopped.json")["dialog"]["title"] == "Player", "the remote closed at stop")
expect(load("closed.json")["dialog"]["title"] == "Multimedia window", "the remote did not close")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
