#!/usr/bin/env bash
# The set-up refused the text file and wrote nothing, then saved each button's type, path and
# folder flag, and the panel showed the new captions.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

KEY = "HKEY_CURRENT_USER\\Software\\Halcyra Software\\Orvenna-Console\\"

def load(name):
    return json.load(open(name))

def value(name, entry):
    return load(name)["registry"].get(KEY + entry)

def caption(name, id):
    for control in load(name)["dialog"]["controls"]:
        if control["id"] == id:
            return control["text"]
    return None

def checked(name, id):
    for control in load(name)["dialog"]["controls"]:
        if control["id"] == id:
            return control["checked"]
    return None

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(load("setup.json")["dialog"]["title"] == "Multimedia Management", "the set-up did not open")
boxes = load("refused.json")["message_boxes"]
expect(boxes and boxes[-1]["text"] == "File type .txt is not allowed", "the refusal: %r" % boxes[-1:])
expect(load("refused.json")["dialog"]["title"] == "Multimedia Management", "the refusal closed the set-up")
expect(value("refused.json", "MultimediaType0") is None, "the refused set-up wrote a type")
expect(caption("ready.json", 1650) == "C:\\Shows\\clip.mp4", "the browse button's file: %r" % caption("ready.json", 1650))
expect(load("advanced.json")["dialog"]["title"] == "Set video advanced options", "the video options did not open")
expect(checked("advanced.json", 502) is True, "a new file does not open full screen")
expect(checked("windowed.json", 502) is False, "the click did not untick full screen")
expect(load("saved.json")["dialog"]["title"] == "Options and Settings", "SAVE did not close the set-up")
for entry, expected in [("MultimediaType0", 1), ("ScriptName_0", "C:\\Shows\\clip.mp4"), ("FullScreen_1", 0), ("UseFolder_1", 0),
                        ("MultimediaType1", 2), ("ScriptName_1", "C:\\Shows\\Clips"), ("UseFolder_2", 1),
                        ("MultimediaType2", 4294967295)]:
    expect(value("saved.json", entry) == expected, "%s: %r" % (entry, value("saved.json", entry)))
expect(caption("panel.json", 10086) == "VIDEO\n\u25BA\nclip", "the video's caption: %r" % caption("panel.json", 10086))
expect(caption("panel.json", 10087) == "VIDEO FOLDER\nClips", "the folder's caption: %r" % caption("panel.json", 10087))
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
