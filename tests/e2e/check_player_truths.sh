#!/usr/bin/env bash
# The full-screen video kept its place, mpv played the video turned by 45 degrees in the set-up,
# and the file mpv could not play was told on the status line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import console_shows, expect, finish, load

def video(name):
    found = [c for c in load(name)["programs"]["media_player"]["controls"] if c["url"].lower().endswith("sky.mp4")]
    return found[-1] if found else {}

def runs(name):
    return load(name)["programs"]["mpv"]["runs"]

full, moved = video("full.json"), video("moved.json")
expect(full.get("state") == "playing", "the full-screen video does not play: %r" % full)
expect(full.get("host_rect") == moved.get("host_rect"), "the full-screen video moved: %r to %r" % (full.get("host_rect"), moved.get("host_rect")))
turned = runs("turned.json")
expect(len(turned) == 1 and "--video-rotate=45" in turned[0]["command_line"], "mpv was not asked for 45 degrees: %r" % turned)
expect(turned and turned[0]["end"] == "" and turned[0]["frames_shown"] > 10, "the turned video does not play: %r" % turned)
noise = runs("noise.json")
expect(len(noise) == 2 and noise[1]["end"] != "", "mpv did not end on the file it cannot play: %r" % noise[1:])
expect(console_shows("noise.json", "The player could not play C:\\Shows\\noise.mp4"), "the failure was not told")
finish()
PY
