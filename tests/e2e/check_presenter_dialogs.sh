#!/usr/bin/env bash
# Each dialog of the presenter_dialogs scenario did its work in Orvenna, and Exit ended both.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def orvenna(name):
    return load(name)["programs"]["orvenna"]["state"]

def windows_of(program, name):
    return [w for w in load(name)["windows"] if w.get("program") == program]

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(orvenna("date.json")["utc"].startswith("2025-03-14T21:30"), "the keypad's date: " + orvenna("date.json")["utc"])
expect(orvenna("pole.json")["place"]["planet"] == "Mars", "the pole chooser's body: " + json.dumps(orvenna("pole.json")["place"]))
home, start = orvenna("home.json")["place"], orvenna("start.json")["place"]
expect(home["planet"] == "Earth" and home["name"] == start["name"], "the home place: " + json.dumps(home))
chosen = orvenna("map.json")["place"]
expect(chosen["planet"] == "Earth" and chosen["latitude"] > 0 and chosen["longitude"] < 0 and chosen != home,
       "the world map's place: " + json.dumps(chosen))
def dialogs(name):
    return [w for w in windows_of("OrvennaConsole.exe", name) if w.get("class") == "#32770" and w.get("visible")]
expect(len(dialogs("monitoring.json")) == 2, "the monitoring window did not show beside the console")
expect(len(dialogs("stayed.json")) == 1, "the monitoring window stayed after its close key")
expect(windows_of("OrvennaConsole.exe", "stayed.json"), "Exit answered No ended the console")
expect(not windows_of("OrvennaConsole.exe", "end.json"), "the console still has windows after Exit")
expect(windows_of("orvenna.exe", "stayed.json"), "Orvenna has no window before Exit")
expect(not windows_of("orvenna.exe", "end.json"), "Orvenna still has windows after Exit closed it")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
