#!/usr/bin/env bash
# The PDF list showed the folder, its sub-folder and the way back, and the viewer showed the
# chosen document and turned its page.
set -euo pipefail
cd "$1"
python3 - <<'PY'
import json, os, sys

def load(name):
    return json.load(open(name))

def rows(name):
    for control in load(name)["dialog"]["controls"]:
        if control["id"] == 41125:
            return [row[0] if isinstance(row, list) else row for row in control["rows"]]
    return None

def shown(name):
    """The document the last reader control shows: file, page (from 1) and pages."""
    controls = load(name)["programs"]["pdf_reader"]["controls"]
    if not controls:
        return None
    last = controls[-1]
    return (last["file"], last["loaded"], last["page"], last["pages"])

def console_dialogs(name, title):
    return [w for w in load(name)["windows"]
            if w.get("program") == "OrvennaConsole.exe" and w["class"] == "#32770" and w["visible"]
            and w["title"] == title]

failures = []
def expect(condition, what):
    if not condition:
        failures.append(what)

expect(load("list.json")["dialog"]["title"] == "PDF documents", "the list did not open")
expect(rows("list.json") == ["..", "(DIR) Lectures", "talk.pdf"], "the folder's rows: %r" % rows("list.json"))
expect(rows("lectures.json") == ["..", "moon.pdf", "notes.pdf"], "the sub-folder's rows: %r" % rows("lectures.json"))
boxes = load("damaged.json")["message_boxes"]
expect(boxes and boxes[-1]["text"] == "The PDF document\n\nC:\\Docs\\Lectures\\notes.pdf\n\ncannot be opened.", "the damaged document: %r" % boxes[-1:])
expect(not console_dialogs("after_damaged.json", "PDF viewer"), "a viewer opened on the damaged document")
expect(rows("back.json") == rows("list.json"), "the way back: %r" % rows("back.json"))
expect(not console_dialogs("viewer.json", "PDF documents"), "the list stayed open")
viewers = console_dialogs("viewer.json", "PDF viewer")
expect(len(viewers) == 1, "no viewer is shown: %d" % len(viewers))
expect(all(w["owner"] == "0x0" for w in viewers), "the viewer belongs to a console window")
# On the console's monitor (the runner's rules see to that), and beside the training console.
consoles = [w for w in load("viewer.json")["windows"] if w.get("title", "").startswith("Orvenna Console")]
def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]
if consoles and viewers and os.environ.get("LAYOUT") == "training":
    expect(not overlap(viewers[0]["rect"], consoles[0]["rect"]), "the viewer covers the training console: %r" % viewers[0]["rect"])
expect(load("viewer.json")["dialog"]["title"] == "PDF viewer", "the viewer is not in front")
expect(shown("viewer.json") == ("C:\\Docs\\talk.pdf", True, 1, 3), "the document opened: %r" % (shown("viewer.json"),))
expect(shown("paged.json") == ("C:\\Docs\\talk.pdf", True, 2, 3), "PageDown: %r" % (shown("paged.json"),))
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
PY
