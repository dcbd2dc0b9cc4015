# What the show scenarios' checks read from the dumps of the folder they run in.
import json


def load(name):
    return json.load(open(name))


def control(name, id):
    for c in load(name)["dialog"].get("controls", []):
        if c["id"] == id:
            return c["text"]
    return None


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
