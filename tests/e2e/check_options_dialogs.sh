#!/usr/bin/env bash
# The options_dialogs scenario: the refusal while a script runs, Cancel, Italian, the start date,
# emergency picture and soundtrack chosen, the zoom speed in OCconfig.ini and in the console
# started again, and Orvenna restarted with the new sky culture and language, placed as the
# layout wants it.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import glob, json, os, sys

def load(name):
    return json.load(open(name))

def control(name, id):
    for c in load(name)["dialog"].get("controls", []):
        if c["id"] == id:
            return c["text"]
    return None

def scripts(name):
    return [run["text"] for run in load(name)["programs"]["orvenna"]["scripts"]]

def shown_dialogs(name, title):
    return [w for w in load(name)["windows"] if w.get("class") == "#32770" and w.get("visible") and w.get("title") == title]

def ini(file, key):
    path = glob.glob("machine/C/Users/*/AppData/Roaming/Orvenna/" + file)[0]
    for line in open(path, encoding="latin-1").read().splitlines():
        if line.split("=")[0] == key:
            return line.split("=", 1)[1]
    return None

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

key = "HKEY_CURRENT_USER\\Software\\Halcyra Software\\Orvenna-Console\\"
options = "Options and Settings"
expect((control("refused.json", 2042) or "").startswith("Another simulation script is currently running"),
       "the status line while the map's script runs: " + str(control("refused.json", 2042)))
expect(not shown_dialogs("refused.json", options), "the options opened while a script ran")
expect(load("options.json")["dialog"].get("title") == options, "the Options button opened no options dialog")
labels = [control("start.json", 1066 + n) for n in range(5)]
expect([control("cancelled.json", 1066 + n) for n in range(5)] == labels, "Cancel changed the event labels")
expect(not shown_dialogs("cancelled.json", options), "the options dialog stayed after Cancel")
expect(load("edited.json")["dialog"].get("title") == options and control("edited.json", 4511) == "Comet at dusk",
       "the options' memo of the second event after its editor saved it: " + str(control("edited.json", 4511)))
expect(control("event.json", 1067) == "Comet at dusk", "the second event's label: " + str(control("event.json", 1067)))
expect(load("fov.json")["registry"].get(key + "FOV") == 150, "FOV after 150 and Enter: %r" % load("fov.json")["registry"].get(key + "FOV"))
expect(not shown_dialogs("fov.json", options), "the options dialog stayed after Enter")
expect(control("italian.json", 1012) == "Atmosfera ", "the atmosphere button after Italian: " + str(control("italian.json", 1012)))
expect(load("italian.json")["registry"].get(key + "Language") == 1, "Language is not 1 after Italian")
expect(control("advanced.json", 5110) == "11", "the zoom speed's field after one step up: " + str(control("advanced.json", 5110)))
expect(ini("OCconfig.ini", "zoomSpeed") == "11", "OCconfig.ini's zoomSpeed: " + str(ini("OCconfig.ini", "zoomSpeed")))
expect(control("advanced.json", 29311) == "emergency.png", "the emergency picture's button: " + str(control("advanced.json", 29311)))
expect(ini("OCconfig.ini", "emergencyImage") == "C:\\Users\\presenter\\Pictures\\emergency.png",
       "OCconfig.ini's emergencyImage: " + str(ini("OCconfig.ini", "emergencyImage")))
expect(ini("OCconfig.ini", "startDate") == "2031/5/17", "OCconfig.ini's startDate: " + str(ini("OCconfig.ini", "startDate")))
expect(ini("OCconfig.ini", "boundariesColor") == "0,0.501961,0",
       "OCconfig.ini's boundariesColor after a click on the picker's green: " + str(ini("OCconfig.ini", "boundariesColor")))
zooms = [s for s in scripts("goto.json") if "OrvMovementMgr.autoZoomIn(" in s]
expect(zooms and "OrvMovementMgr.autoZoomIn(11, 0);" in zooms[-1] and "core.wait(11);" in zooms[-1],
       "the go-to after the zoom speed 11: " + str(zooms[-1:] if zooms else None))
next_zooms = [s for s in scripts("next_start.json") if "OrvMovementMgr.autoZoomIn(" in s]
expect(next_zooms and "OrvMovementMgr.autoZoomIn(11, 0);" in next_zooms[-1],
       "the go-to after the console started again: " + str(next_zooms[-1:] if next_zooms else None))
expect(control("soundtrack.json", 1121) == "intro.mp3", "the soundtrack's check: " + str(control("soundtrack.json", 1121)))
expect(ini("config.ini", "sky_locale") == "de", "config.ini's sky_locale: " + str(ini("config.ini", "sky_locale")))
culture = ini("OCconfig.ini", "SkyCulture")
before, after = load("zoom.json")["programs"]["orvenna"], load("restarted.json")["programs"]["orvenna"]
expect(after["starts"] == before["starts"] + 1, "Orvenna was not started again once: %d, %d" % (before["starts"], after["starts"]))
expect(culture == "inuit" and after["state"]["sky_culture"] == culture,
       "the restarted Orvenna's sky culture: %s (OCconfig.ini %s)" % (after["state"]["sky_culture"], culture))
windows = [w for w in load("restarted.json")["windows"] if w.get("program") == "orvenna.exe" and w.get("class") == "Qt5QWindowIcon"]
expect(len(windows) == 1, "Orvenna's main windows after the restart: %d" % len(windows))
if windows:
    rect = windows[0]["rect"]
    if os.environ.get("LAYOUT") == "training":
        expect(rect == [0, 0, 952, 952] and not after["full_screen"], "Orvenna's square in the training layout: %s" % rect)
    else:
        free = [1920, 0, 3840, 1080] if os.environ.get("LAYOUT") == "primary" else [0, 0, 1920, 1080]
        expect(rect == free and after["full_screen"], "Orvenna full screen on the free monitor: %s" % rect)
console = [w for w in load("restarted.json")["windows"] if w.get("program") == "OrvennaConsole.exe" and w.get("class") == "#32770" and w.get("visible")]
expect(len(console) == 1, "the console's dialogs after the options closed: %d" % len(console))
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
