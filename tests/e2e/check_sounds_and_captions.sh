#!/usr/bin/env bash
# Each sound had a player of its own and a way to stop it, a sound that ended gave its button
# back, the backdrop went with the last picture (the screenshots' dome shows the sky again), and
# the folder buttons, the slide show and the speed buttons told the truth.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$1"
python3 - "$here" <<'PY'
import sys
import struct
import zlib

sys.path.insert(0, sys.argv[1])
from show_dumps import console_shows, control, expect, finish, load, orvenna

def players(name):
    return load(name)["programs"]["media_player"]["controls"]

def player_of(name, file):
    found = [c for c in players(name) if c["url"].lower().endswith(file)]
    return found[-1] if found else {}

def sound(name):
    streams = [s for s in load(name)["programs"]["audio"] if s["program"] == "OrvennaConsole.exe" and s["open"]]
    return max((s["rms"] for s in streams), default=0)

def pictures(name):
    """The console's visible square windows over Orvenna: the pictures and their backdrop."""
    found = []
    for w in load(name)["windows"]:
        left, top, right, bottom = w["rect"]
        if (w.get("program") == "OrvennaConsole.exe" and w["owner"] != "0x0" and w["visible"]
                and w["class"] != "#32770" and right - left == bottom - top and right - left > 100):
            found.append(w)
    return found

def dome_centre(name):
    for w in load(name)["windows"]:
        if w["class"] == "Qt5QWindowOwnDCIcon" and w["visible"]:
            left, top, right, bottom = w["rect"]
            return (left + right) // 2, (top + bottom) // 2
    return None

def png_pixels(path):
    """Width, height, channels and rows of a non-interlaced 8-bit PNG."""
    data = open(path, "rb").read()
    at, idat, width = 8, b"", 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        chunk = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", chunk[:10])
            channels = {2: 3, 6: 4}[colour]
        elif kind == b"IDAT":
            idat += chunk
        at += 12 + length
    raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b, c = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1: line[i] = (line[i] + a) & 255
            elif kind == 2: line[i] = (line[i] + b) & 255
            elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        previous = line
    return width, height, channels, rows

def pixel(shot, x, y):
    width, height, channels, rows = shot
    return tuple(rows[y][x * channels:x * channels + 3])

def pixels_in(shot, rect):
    left, top, right, bottom = rect
    return [pixel(shot, x, y) for y in range(top, bottom) for x in range(left, right)]


# The show's soundtrack and the panel's music, each in its own player.
expect(player_of("show.json", "soundtrack.mp3").get("state") == "playing", "the soundtrack does not play")
music = player_of("show-music.json", "music.mp3")
expect(music.get("state") == "playing", "the music button did not play its file during the show: %r" % music)
expect(control("show-music.json", 10086) == "\u25A0", "the music's caption: %r" % control("show-music.json", 10086))
expect(player_of("show-stopped.json", "soundtrack.mp3").get("state") == "stopped", "the show's stop left its soundtrack")
expect(player_of("show-stopped.json", "music.mp3").get("state") == "playing", "the show's stop touched the music")
expect(console_shows("refused.json", "Before launching this video"), "a video was not refused while the music plays")
expect(load("music-remote.json")["dialog"]["title"] == "Player", "the music's button did not open its remote")
expect(load("music-stopped.json")["dialog"]["title"] == "Multimedia window", "stop did not close the music's remote")
expect(control("music-stopped.json", 10086) == "AUDIO\n\u25BA\nmusic", "the stopped music's caption: %r" % control("music-stopped.json", 10086))
expect(player_of("music-stopped.json", "music.mp3").get("state") in (None, "closed"), "the music plays on after its stop")
own = [c for c in players("own-file.json") if c["state"] == "playing"]
expect([c["url"].lower().rsplit("\\", 1)[-1] for c in own] == ["music.mp3"],
       "the first press did not play the button's own file alone: %r" % [(c["url"], c["state"]) for c in own])
expect(player_of("resumed.json", "music.mp3").get("state") == "playing", "one press did not resume the paused music")
expect(sound("resumed.json") > 0.1, "no sound after the resume")
# The short sound's end.
expect(control("short.json", 10087) == "\u25A0", "the short sound's caption while it plays: %r" % control("short.json", 10087))
expect(control("short-ended.json", 10087) == "AUDIO\n\u25BA\nshort", "the ended sound's caption: %r" % control("short-ended.json", 10087))
expect(player_of("video.json", "clip.mp4").get("state") == "playing", "a video was refused after the sound ended")
# Pictures: red on the dome, then the sky again, never a black dome.
red_shot, broken_shot = png_pixels("red.png"), png_pixels("broken.png")
x, y = dome_centre("red.json")
expect(len(pictures("red.json")) == 2, "the red picture and its backdrop are not up")
expect(pixel(red_shot, x, y)[0] > 150 and pixel(red_shot, x, y)[1] < 60, "the dome is not red: %r" % (pixel(red_shot, x, y),))
expect(not pictures("broken.json"), "the backdrop stayed without its picture: %r" % [w["rect"] for w in pictures("broken.json")])
expect(pixel(broken_shot, x, y) != (0, 0, 0), "the dome is black")
expect(control("broken.json", 10089) == "PHOTO\nred", "the red picture's caption: %r" % control("broken.json", 10089))
expect(control("broken.json", 10090) == "PHOTO\nbroken", "the broken picture's caption: %r" % control("broken.json", 10090))
# The slide show: the delay drawn, the countdown bar red, the folder's name kept.
browser = [w for w in load("browser.json")["windows"] if w["title"] == "5" and w["class"] == "Edit"]
expect(browser, "no delay field showing 5")
if browser:
    expect(any(r > 150 and g < 100 for r, g, b in pixels_in(png_pixels("browser.png"), browser[0]["rect"])),
           "the delay's number is not drawn")
bars = [w for w in load("slides.json")["windows"] if w["class"] == "msctls_progress32" and w["visible"]]
expect(bars, "no countdown bar")
if bars:
    expect(any(p == (200, 0, 0) for p in pixels_in(png_pixels("slides.png"), bars[0]["rect"])), "the countdown bar shows no red")
x, y = dome_centre("slides.json")
expect(pixel(png_pixels("slides.png"), x, y)[2] > 150, "the first slide (blue) is not on the dome")
expect(len(pictures("folder-up.json")) == 2, "Escape took the slide away")
expect(control("folder-hidden.json", 10091) == "PHOTO FOLDER\nPhotos.2024", "the folder's caption: %r" % control("folder-hidden.json", 10091))
expect(not pictures("folder-hidden.json"), "the slide stayed after its button")
# The script folder's script stopped from the main dialog.
expect(any("core.wait(60);" in run["text"] for run in load("folder-script.json")["programs"]["orvenna"]["scripts"]),
       "Orvenna did not run the folder's script")
expect(control("folder-stopped.json", 10092) == "SCRIPT FOLDER\nScripts", "the stopped folder's caption: %r" % control("folder-stopped.json", 10092))
# The speed buttons.
expect(control("speed.json", 1106) == "\u25A0", "the speed button does not run: %r" % control("speed.json", 1106))
expect(control("speed-stopped.json", 1106) != "\u25A0", "Stop script left the speed button running")
expect(control("other-speed.json", 1107) == "\u25A0", "the other speed button was refused: %r" % control("other-speed.json", 1107))
expect(not console_shows("other-speed.json", "Another simulation script"), "the other speed button was refused")
expect(control("end.json", 1107) != "\u25A0", "the other speed button's second press did not end it")
# Find ended the speed button's stepping: its caption, Orvenna's date and the selection.
# Speed button 1 steps a year a round, so the year tells whether it still steps.
year = lambda name: orvenna(name)["state"]["utc"].split("T")[0].rsplit("-", 2)[0]
expect(control("stepping.json", 1106) == "\u25A0", "the speed button does not run before Find: %r" % control("stepping.json", 1106))
expect(year("stepping.json") != year("stepping-later.json"), "the speed button did not step the date")
expect(control("found.json", 1106) != "\u25A0", "Find left the speed button running")
expect(orvenna("found.json")["state"]["selection"] == "HP32349", "Find did not select Sirius (HP32349): %r" % orvenna("found.json")["state"]["selection"])
expect(year("found.json") == year("found-later.json"), "the year still steps after Find: %s, then %s" % (year("found.json"), year("found-later.json")))
finish()
PY
