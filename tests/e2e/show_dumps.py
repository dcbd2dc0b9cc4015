# What the end-to-end checks read from the dumps of the folder they run in, and their verdict.
import json
import sys


def load(name):
    return json.load(open(name))


def control(name, id):
    for c in load(name)["dialog"].get("controls", []):
        if c["id"] == id:
            return c["text"]
    return None


def console_shows(name, start):
    """Whether a window of the console (the status line, say) shows a text beginning so."""
    return any(w["title"].startswith(start) for w in load(name)["windows"]
               if w.get("program") == "OrvennaConsole.exe")


def orvenna(name):
    return load(name)["programs"]["orvenna"]


def count(name, message, wparam, origin=None):
    return sum(1 for m in orvenna(name)["messages"]
               if m["message"] == message and m["wParam"].lower() == wparam and (origin is None or m["origin"] == origin))


def timers(name):
    return [t["id"] for t in load(name)["timers"]]


failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)


def finish():
    """Prints what failed and ends the check with its verdict."""
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)
