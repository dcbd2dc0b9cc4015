#!/usr/bin/env bash
# The audio button's file played hidden in the media player, went on after the remote and the
# panel closed, and was stopped from the remote opened again on it.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def dialog(name):
    return load(name)["dialog"]

def caption(name, id):
    for control in dialog(name)["controls"]:
        if control["id"] == id:
            return control["text"]
    return None

def sound(name):
    """The console's audio stream: the media player plays in its process."""
    streams = [s for s in load(name)["programs"]["audio"] if s["program"] == "OrvennaConsole.exe"]
    return streams[-1] if streams else None

def hosts(name):
    return [w for w in load(name)["windows"] if w["class"] == "AtlAxWin100"]

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(dialog("remote.json")["title"] == "Player", "the remote did not open: " + dialog("remote.json")["title"])
expect(sound("remote.json") is None, "audio played before play was pressed")
playing = sound("playing.json")
expect(playing is not None and playing["open"] and playing["rms"] > 0.1, "the audio does not play: %r" % playing)
expect(caption("playing.json", 6202) == "VOLUME: 100", "the volume label: %r" % caption("playing.json", 6202))
expect(len(hosts("playing.json")) == 1, "no hidden host: %r" % hosts("playing.json"))
expect(all(not w["visible"] or w["rect"][2] == w["rect"][0] for w in hosts("playing.json")), "the audio host shows")
expect(dialog("panel.json")["title"] == "Multimedia window", "closing the remote did not go back to the panel")
expect(caption("panel.json", 10086) == "\u25A0", "the playing audio's caption: %r" % caption("panel.json", 10086))
after = sound("after.json")
expect(after is not None and after["open"] and after["rms"] > 0.1, "the audio stopped with the panel: %r" % after)
expect(after and playing and after["frames_played"] > playing["frames_played"], "the audio does not go on")
expect(caption("reopened_panel.json", 10086) == "\u25A0", "the panel opened again: %r" % caption("reopened_panel.json", 10086))
expect(dialog("reopened.json")["title"] == "Player", "the button did not open the remote on the audio")
expect(caption("reopened.json", 6202) == "VOLUME: 100", "the re-opened remote's label: %r" % caption("reopened.json", 6202))
expect(dialog("stopped.json")["title"] == "Multimedia window", "stop did not close the remote")
expect(caption("stopped.json", 10086) == "AUDIO\n\u25BA\ntone", "the stopped audio's caption: %r" % caption("stopped.json", 10086))
stopped = sound("stopped.json")
expect(stopped is None or not stopped["open"] or stopped["rms"] == 0, "the audio plays on after stop: %r" % stopped)
expect(not hosts("stopped.json"), "the hidden host stayed after stop")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
