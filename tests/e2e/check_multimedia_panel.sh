#!/usr/bin/env bash
# The multimedia panel's buttons did their work: the picture over Orvenna's window and gone
# again, the script run in Orvenna, the slide show's pictures, and the dialogs closed.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def console_windows(name):
    return [w for w in load(name)["windows"] if w.get("program") == "OrvennaConsole.exe"]

def pictures(name):
    """The console's visible square windows owned by its main dialog, not its dialogs."""
    found = []
    for w in console_windows(name):
        left, top, right, bottom = w["rect"]
        owned = w["owner"] != "0x0"
        if owned and w["visible"] and w["class"] != "#32770" and right - left == bottom - top and right - left > 100:
            found.append(w)
    return found

def orvenna_square(name):
    """The square centred on Orvenna's render window, which fills its client area."""
    for w in load(name)["windows"]:
        if w["class"] == "Qt5QWindowOwnDCIcon" and w["visible"]:
            left, top, right, bottom = w["rect"]
            side = min(right - left, bottom - top)
            x, y = left + (right - left - side) // 2, top + (bottom - top - side) // 2
            return [x, y, x + side, y + side]
    return None

def dialog(name):
    return load(name)["dialog"]

def caption(name, id):
    for control in dialog(name)["controls"]:
        if control["id"] == id:
            return control["text"]
    return None

def scripts(name):
    return [run["text"] for run in load(name)["programs"]["orvenna"]["scripts"]]

def remote_timers(name):
    """The slide show remote's timers, by id, with their periods."""
    front = dialog(name)["handle"]
    return {t["id"]: t["period"] for t in load(name)["timers"] if t["window"] == front}

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(dialog("panel.json")["title"] == "Multimedia window", "the panel did not open: " + dialog("panel.json")["title"])
expect(caption("panel.json", 10086) == "PHOTO\nm31", "the picture button's caption: %r" % caption("panel.json", 10086))
expect(caption("panel.json", 10087) == "SCRIPT\n\u25BA\nintro", "the script button's caption: %r" % caption("panel.json", 10087))
expect(caption("panel.json", 10088) == "PHOTO FOLDER\nPhotos", "the folder button's caption: %r" % caption("panel.json", 10088))
for id in (10090, 10091):
    expect(caption("panel.json", id) == "FILE NOT FOUND", "a missing file's caption: %r" % caption("panel.json", id))
    expect(caption("missing.json", id) == "FILE NOT FOUND", "a missing file's press changed its caption: %r" % caption("missing.json", id))
expect(not pictures("missing.json"), "a missing picture put something over Orvenna")
expect(len(scripts("missing.json")) == len(scripts("panel.json")), "a missing script sent Orvenna a script")
shown = pictures("picture.json")
expect(len(shown) == 2, "the picture and its backdrop are not both up: %d" % len(shown))
expect(len({tuple(w["rect"]) for w in shown}) == 1, "the picture and its backdrop are not one square")
expect(all(w["rect"] == orvenna_square("picture.json") for w in shown),
       "the picture is not Orvenna's square %r: %r" % (orvenna_square("picture.json"), [w["rect"] for w in shown]))
expect(all(w["alpha"] == 255 for w in shown), "the picture is not opaque: %r" % [w["alpha"] for w in shown])
expect(caption("picture.json", 10086) == "(Hide)", "the shown picture's caption: %r" % caption("picture.json", 10086))
expect(not pictures("hidden.json"), "the picture stayed after its second press")
expect(caption("hidden.json", 10086) == "PHOTO\nm31", "the hidden picture's caption: %r" % caption("hidden.json", 10086))
expect(any("core.wait(30);" in text for text in scripts("script.json")), "Orvenna did not run the script button's file")
expect(caption("script.json", 10087) == "\u25A0", "the running script's caption: %r" % caption("script.json", 10087))
expect(caption("stopped.json", 10087) == "SCRIPT\n\u25BA\nintro", "the stopped script's caption: %r" % caption("stopped.json", 10087))
expect(dialog("browser.json")["title"] == "Slide show", "the slide show did not open: " + dialog("browser.json")["title"])
expect(caption("browser.json", 1713) == "a.png", "the first thumbnail's name: %r" % caption("browser.json", 1713))
expect(dialog("slides.json")["title"] == "Slide show remote", "the remote did not open: " + dialog("slides.json")["title"])
expect(len(pictures("slides.json")) == 2, "the slide show's first picture is not up")
expect(len(pictures("second.json")) == 2, "the slide show's second picture is not up")
expect(dialog("paused.json")["title"] == "Slide show remote", "the remote did not stay open while paused")
expect(not remote_timers("paused.json"), "a slide timer runs while paused: %r" % remote_timers("paused.json"))
expect(len(pictures("paused.json")) == 2, "the paused picture went away")
resumed = remote_timers("resumed.json")
expect(202 in resumed and 3000 <= resumed[202] < 5000, "the resumed picture's time is not what was left: %r" % resumed)
third = remote_timers("third.json")
expect(202 not in third and third.get(200) == 5000, "the picture after the resumed one has not the full delay: %r" % third)
expect(len(pictures("third.json")) == 2, "the slide show's third picture is not up")
expect(not pictures("ended.json"), "the picture stayed after the show was stopped")
expect(dialog("ended.json")["title"] == "Slide show", "stop did not go back to the browser: " + dialog("ended.json")["title"])
expect(caption("panel.json", 10089) == "SCRIPT FOLDER\nScripts", "the script folder's caption: %r" % caption("panel.json", 10089))
expect(dialog("picker.json")["title"] == "Choose a file", "the picker did not open: " + dialog("picker.json")["title"])
expect(caption("picker.json", 1760) == "1/2", "the picker's first page label: %r" % caption("picker.json", 1760))
expect(caption("picker.json", 1750) == "00.ovs" and caption("picker.json", 1759) == "09.ovs", "the picker's first page")
expect(caption("page2.json", 1760) == "2/2", "the picker's second page label: %r" % caption("page2.json", 1760))
expect(caption("page2.json", 1750) == "10.ovs" and caption("page2.json", 1751) == "", "the picker's second page")
expect(dialog("picked.json")["title"] == "Multimedia window", "the picker stayed open after a pick: " + dialog("picked.json")["title"])
expect(any("core.wait(11);" in text for text in scripts("picked.json")), "Orvenna did not run the picked script")
expect(not [w for w in console_windows("closed.json") if w["visible"] and w["class"] == "#32770" and w["title"] in
            ("Multimedia window", "Slide show", "Slide show remote")], "a media dialog stayed open")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
