#!/usr/bin/env bash
# The show_keeps_going scenarios: the planet refused during the replay while the atmosphere's key
# goes through, the replay stopped by the whole-sky reset before its next step, the show played
# again, the held zoom let go at Exit, and the next start finding nothing of the show in its way.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import glob
import sys

sys.path.insert(0, sys.argv[1])
from show_dumps import control, count, expect, finish, load, orvenna, timers

def player(name):
    controls = load(name)["programs"].get("media_player", {}).get("controls", [])
    return controls[-1] if controls else {}


expect(player("playing.json").get("state") == "playing", "the soundtrack at play: %s" % player("playing.json"))
# The planet refused: the running-script notice, no script, no stop key for the show's.
expect((control("refused.json", 2042) or "").startswith("Another simulation script is currently running"),
       "the planet during the replay: %s" % control("refused.json", 2042))
expect(len(orvenna("refused.json")["scripts"]) == len(orvenna("playing.json")["scripts"]), "the planet's script ran")
expect(count("refused.json", "WM_KEYDOWN", "0x33") == count("playing.json", "WM_KEYDOWN", "0x33"),
       "the show's script was stopped")
expect(count("toggled.json", "WM_KEYDOWN", "0x41", "posted") == count("refused.json", "WM_KEYDOWN", "0x41", "posted") + 1,
       "the atmosphere's key during the replay")
# The whole-sky reset ends the replay: no timer 300, no selection step, the soundtrack stopped.
expect(300 not in timers("home.json"), "timer 300 after the whole-sky reset")
expect(count("home.json", "WM_RBUTTONDOWN", "0x2") == count("stepped.json", "WM_RBUTTONDOWN", "0x2"),
       "the replay's selection step came after the reset")
expect(player("home.json").get("state") == "stopped", "the soundtrack after the reset: %s" % player("home.json"))
# Played again, with its soundtrack.
expect(not (control("again.json", 2042) or "").startswith("Before launching this video"), "the second play was refused")
expect(player("again.json").get("state") == "playing", "the soundtrack of the second play: %s" % player("again.json"))
expect(len(orvenna("again.json")["scripts"]) == len(orvenna("home.json")["scripts"]) + 1, "the show's script did not run again")
# Exit during the held zoom: the zoom and Shift let go, the normal rate.
expect(count("zoomed.json", "WM_KEYDOWN", "0x21", "posted") >= 1, "the replay's zoom was not held")
expect(count("end.json", "WM_KEYUP", "0x21", "posted") > count("zoomed.json", "WM_KEYUP", "0x21", "posted"),
       "the held zoom was not let go at Exit")
# The show pauses Orvenna's time after its zoom, so the normal rate at the end is Exit's doing.
expect(orvenna("zoomed.json")["state"]["rate"] == 0, "the show's pause: %s" % orvenna("zoomed.json")["state"]["rate"])
expect(orvenna("end.json")["state"]["rate"] == 1, "Orvenna's rate after Exit: %s" % orvenna("end.json")["state"]["rate"])
# The next start: an idle loader, no per-run file left, and the saved show plays.
folder = glob.glob("machine/C/Users/*/AppData/Roaming/Orvenna/")[0]
loader = open(folder + "orvenna-console.ovs", "rb").read()
expect(loader.endswith(b'include("##########");\n'), "the loader is not idle: %r" % loader[-60:])
expect(not glob.glob(folder + "MACRO.ovs"), "the show's per-run file was left")
run = orvenna("next-playing.json")["scripts"][-1]["text"]
expect("MilkyWay" in run, "the saved show did not play at the next start: %r" % run[-200:])
expect(300 not in timers("next-stopped.json"), "timer 300 after the next start's stop")
finish()
PY
