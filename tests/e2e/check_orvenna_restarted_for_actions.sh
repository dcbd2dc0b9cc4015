#!/usr/bin/env bash
# The orvenna_restarted_for_actions scenario: Play of a loaded show and a planet button, each
# pressed while Orvenna was gone, start Orvenna and run their scripts in it, and leave no
# per-run file and an idle loader behind.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import glob
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import expect, finish, load, orvenna, timers

def runs(name):
    return orvenna(name)["scripts"]

expect(not any(w.get("program") == "orvenna.exe" for w in load("gone.json")["windows"]), "Orvenna was not gone")
# Play: Orvenna started again, the show's script run whole in it, the replay's step reaching it.
expect(orvenna("played.json")["starts"] == orvenna("start.json")["starts"] + 1, "Play did not start Orvenna")
show = runs("played.json")[-1]["text"]
expect(len(runs("played.json")) > len(runs("gone.json")) and "MilkyWay.setFlagShow(true);" in show,
       "the show's script did not run in the new Orvenna: %r" % show[-200:])
sky = orvenna("played.json")["state"]["on"]
expect("milky_way" in sky, "the show's Milky Way is not shown: %s" % sky)
expect("atmosphere" not in sky, "the replay's atmosphere step did not reach the new Orvenna: %s" % sky)
# A planet: Orvenna started again, Mars selected in it.
expect(orvenna("planet.json")["starts"] == orvenna("played.json")["starts"] + 1, "the planet did not start Orvenna")
selection = [run["text"] for run in runs("planet.json")[len(runs("played.json")):]]
expect(any('core.selectObjectByName("Mars", true);' in text for text in selection),
       "the planet's script did not run: %r" % [text[-100:] for text in selection])
expect(orvenna("planet.json")["state"]["selection"] == "Mars",
       "Orvenna's selection after the planet: %r" % orvenna("planet.json")["state"]["selection"])
# Nothing left for the next run of the loader.
folder = glob.glob("machine/C/Users/*/AppData/Roaming/Orvenna/")[0]
loader = open(folder + "orvenna-console.ovs", "rb").read()
expect(loader.endswith(b'include("##########");\n'), "the loader is not idle: %r" % loader[-60:])
expect(not glob.glob(folder + "MACRO.ovs") and not glob.glob(folder + "FindObjectOC.ovs"), "a per-run file was left")
expect(300 not in timers("planet.json"), "timer 300 after the stop")
finish()
PY
