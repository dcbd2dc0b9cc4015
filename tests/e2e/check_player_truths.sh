#!/usr/bin/env bash
# The full-screen video kept its place, the video and the sound that ended at once were told and
# put away, mpv played the video turned by 45 degrees in the set-up, and the files mpv could not
# play were told on the status line.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import console_shows, control, expect, finish, load

def video(name):
    found = [c for c in load(name)["programs"]["media_player"]["controls"] if c["url"].lower().endswith("sky.mp4")]
    return found[-1] if found else {}

def held_players(name):
    return [c for c in load(name)["programs"]["media_player"]["controls"] if not c["released"]]

def runs(name):
    return load(name)["programs"]["mpv"]["runs"]

full, moved = video("full.json"), video("moved.json")
expect(full.get("state") == "playing", "the full-screen video does not play: %r" % full)
expect(full.get("host_rect") == moved.get("host_rect"), "the full-screen video moved: %r to %r" % (full.get("host_rect"), moved.get("host_rect")))
for name, file in (("empty-video.json", "empty.avi"), ("empty-sound.json", "empty.wav")):
    expect(console_shows(name, "The player could not play C:\\Shows\\" + file), "%s ending at once was not told" % file)
    expect(not held_players(name), "%s ended at once and its player is still held: %r" % (file, held_players(name)))
expect(control("empty-sound.json", 10090) not in (None, "\u25A0"), "the empty sound's button: %r" % control("empty-sound.json", 10090))
turned = runs("turned.json")
expect(len(turned) == 1 and "--video-rotate=45" in turned[0]["command_line"], "mpv was not asked for 45 degrees: %r" % turned)
expect(turned and turned[0]["end"] == "" and turned[0]["frames_shown"] > 10, "the turned video does not play: %r" % turned)
noise = runs("noise.json")
expect(len(noise) == 2 and noise[1]["end"] != "", "mpv did not end on the file it cannot play: %r" % noise[1:])
expect(console_shows("noise.json", "The player could not play C:\\Shows\\noise.mp4"), "the failure was not told")
empty = runs("empty-mpv.json")
expect(len(empty) == 3 and empty[2]["end"] != "", "mpv did not end on the empty file: %r" % empty[2:])
expect(console_shows("empty-mpv.json", "The player could not play C:\\Shows\\empty.avi"), "mpv ending at once was not told")
finish()
PY
