#!/usr/bin/env bash
# What Orvenna received from each search of the object_search scenario, and what the search
# dialog showed on the way.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, sys

def load(name):
    return json.load(open(name))

def orvenna(name):
    return load(name)["programs"]["orvenna"]

def scripts(name):
    return [s["text"] for s in orvenna(name)["scripts"]]

def selection(name):
    return orvenna(name)["state"]["selection"]

def labels(name):
    controls = load(name)["dialog"].get("controls", [])
    shown = {c["id"]: c.get("text", "") for c in controls}
    return [shown.get(14598 + slot, None) for slot in range(7)], shown

def console_texts(name):
    return [w.get("title", "") for w in load(name)["windows"] if w.get("program") == "OrvennaConsole.exe"]

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

sirius = 'core.selectObjectByName("HP32349",true);'
start = len(scripts("start.json"))

typed, shown = labels("typed-sir.json")
expect(typed[0] == "Sirius (Canis Major)", "SIR's first candidate: %r" % typed[0])
expect(shown.get(11116) == "SIR_", "the typed text: %r" % shown.get(11116))
search = [w for w in load("typed-sir.json")["windows"]
          if w.get("program") == "OrvennaConsole.exe" and w.get("class") == "#32770" and w.get("visible")
          and w.get("title") == ""]
expect(search and search[0].get("alpha") == 248, "the search dialog's alpha: %r" % [w.get("alpha") for w in search])

for name in ("sirius-clicked.json", "sirius-ok.json"):
    expect(sirius in scripts(name)[-1], name + ": Sirius's script: " + scripts(name)[-1][-120:])
    expect(selection(name) == "HP32349", name + ": Orvenna's selection: %r" % selection(name))
    texts = console_texts(name)
    expect(any(t.startswith("Currently selected object: Sirius") for t in texts), name + ": no status naming Sirius")
    expect(any("Hipparcos: #32349" in t for t in texts), name + ": the information box lacks Sirius's data")
expect(len(scripts("sirius-ok.json")) == start + 2, "the two Sirius searches ran %d scripts" % (len(scripts("sirius-ok.json")) - start))

orion = scripts("orion.json")[-1]
expect('core.selectObjectByName("Orion", true);' in orion and "setFlagIsolateSelected(true)" in orion,
       "ORION's script: " + orion[-200:])
expect(orvenna("orion.json")["state"]["isolated"] == ["Orion"], "Orvenna isolated %r" % orvenna("orion.json")["state"]["isolated"])
expect(len(scripts("orion.json")) == len(scripts("sirius-ok.json")) + 1, "Enter ran OK more than once")

m3, _ = labels("m3.json")
expect(m3 == ["M3", "M30", "M31", "M33", "M34", "M35", "M36"], "M3's candidates: %r" % m3)
n2, _ = labels("n2.json")
expect(all(label.startswith("NGC 2") for label in n2), "N2's candidates: %r" % n2)
expect(len(scripts("cancelled.json")) == len(scripts("orion.json")), "the cancelled search sent a script")

objects, shown = labels("objects.json")
expect(shown.get(577) == "Objects in Ursa Major", "the objects button: %r" % shown.get(577))
expect(objects[:2] == ["M81", "M82"], "Ursa Major's objects: %r" % objects)
expect('core.selectObjectByName("M81", true);' in scripts("m81.json")[-1], "M81's script: " + scripts("m81.json")[-1][-120:])
expect(selection("m81.json") == "M81", "Orvenna's selection after M81: %r" % selection("m81.json"))

expect('core.selectObjectByName("M1", true);' in scripts("m1.json")[-1], "the picker's M1: " + scripts("m1.json")[-1][-120:])
expect(selection("m1.json") == "M1", "Orvenna's selection after the picker: %r" % selection("m1.json"))
_, escaped = labels("picker-escaped.json")
expect(11116 in escaped, "Escape in the picker did not return to the search")
expect(len(scripts("escaped.json")) == len(scripts("m1.json")), "closing the search after the picker sent a script")

_, entered = labels("picker-entered.json")
expect(11116 in entered, "Enter in the picker did not return to the search")
expect(len(scripts("picker-entered.json")) == len(scripts("escaped.json")), "Enter in the picker sent a script")

_, hydra = labels("hydra-search.json")
expect(hydra.get(577) == "Objects in Hya", "the objects button after Hydra: %r" % hydra.get(577))
hydra_objects, _ = labels("hydra-objects.json")
expect("Alphard" in hydra_objects, "Hydra's objects: %r" % hydra_objects)
expect("Hya" in orvenna("hydra-objects.json")["state"]["isolated"], "Orvenna isolated %r" % orvenna("hydra-objects.json")["state"]["isolated"])

lieb, _ = labels("lieb.json")
expect(lieb[0] == "Liebre", "LIEB's candidate in Spanish: %r" % lieb[0])
expect('core.selectObjectByName("Lepus", true);' in scripts("lepus.json")[-1], "Liebre's script: " + scripts("lepus.json")[-1][-120:])
expect("Lepus" in orvenna("lepus.json")["state"]["isolated"], "Orvenna isolated %r" % orvenna("lepus.json")["state"]["isolated"])
guney, _ = labels("guney.json")
expect(guney[:4] == ["Güney Tacı", "Güneyhaçı", "Güney Balığı", "Güney Üçgeni"], "GUNEY's candidates in Turkish: %r" % guney)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
