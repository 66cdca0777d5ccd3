"""Checks what Velmora's windows announce through AT-SPI.

Run by atspi_names.sh inside a virtual display and a session bus of its own.
Fills the input form through the accessibility tree as a screen-reader user
would, presses Analyze, and compares every chart cell and detail with the
chart velmora-cli computes for the same birth.
"""

import json
import os
import subprocess
import sys
import time

import pyatspi

APP, CLI = sys.argv[1], sys.argv[2]
SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
         "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def wait_for(what, find, seconds=40.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    names = [a.name for a in pyatspi.Registry.getDesktop(0) if a is not None]
    raise SystemExit("timed out waiting for %s (applications on the bus: %s)" % (what, names))


def bus_ready():
    reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                            "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
    return reply.returncode == 0 and "unix:" in reply.stdout


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "velmora":
            return app
    return None


def showing_frames(app):
    return [f for f in app if f is not None and f.getState().contains(pyatspi.STATE_SHOWING)]


def descendants(root, role=None):
    return pyatspi.findAllDescendants(root, lambda a: role is None or a.getRole() == role)


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def spoken(text):
    parts = []
    for line in text.replace("\r\n", "\n").split("\n"):
        line = line.replace("(R)", "retrograde").strip()
        if line:
            parts.append(line)
    return ", ".join(parts)


def main():
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # The program looks for the accessibility bus when it starts: it must be there.
    wait_for("the accessibility bus", bus_ready)
    pyatspi.Registry.getDesktop(0).childCount  # the registry is up
    velmora = subprocess.Popen([APP])
    try:
        run(velmora)
    finally:
        velmora.kill()
        velmora.wait()
        bus.terminate()
        bus.wait()
    if failures:
        print("\n".join("FAIL: " + f for f in failures))
        return 1
    print("all names as expected")
    return 0


def run(velmora):
    app = wait_for("Velmora on the accessibility bus", application)
    form = wait_for("the input form", lambda: showing_frames(app))[0]

    # Every control of the input form says what it is; lists say their item too.
    lists = {c.name for c in descendants(form, pyatspi.ROLE_COMBO_BOX)}
    for expected in ("Month of birth, January", "Day of birth, 1", "Year of birth, 1901", "Hour of birth, 0",
                     "Minute of birth, 0", "Second of birth, 0",
                     "Time zone, Greenwich Mean Time,GMT,0.0"):
        check(expected in lists, "no list named %r among %s" % (expected, sorted(lists)))
    for c in descendants(form, pyatspi.ROLE_COMBO_BOX):
        labels = [r for r in c.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(not labels, "list %r is also labelled by another object" % c.name)
    texts = {c.name: c for c in descendants(form, pyatspi.ROLE_TEXT)}
    for expected in ("Name", "City", "State", "Country", "Longitude degrees", "Longitude minutes",
                     "Latitude degrees", "Latitude minutes"):
        check(expected in texts, "no text box named %r among %s" % (expected, sorted(texts)))
    for role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                 pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT):
        for c in descendants(form, role):
            if c.getState().contains(pyatspi.STATE_SHOWING):
                check(c.name.strip() != "", "a %s without a name" % c.getRoleName())

    # Fill the form through the tree and press Analyze.
    birth = {"Name": "RAMA", "Longitude degrees": "77", "Longitude minutes": "35",
             "Latitude degrees": "12", "Latitude minutes": "58"}
    for name, value in birth.items():
        texts[name].queryEditableText().setTextContents(value)
    buttons = {b.name: b for b in descendants(form, pyatspi.ROLE_PUSH_BUTTON)}
    press(buttons["Analyze My Graha Arudha"])

    def result_window():
        for frame in showing_frames(app):
            if any(c.name.startswith("Aries: ") for c in descendants(frame, pyatspi.ROLE_LABEL)):
                return frame
        return None

    window = wait_for("the result window", result_window)
    labels = [c.name for c in descendants(window, pyatspi.ROLE_LABEL)]

    # A first start computes precise positions, as the command line does by default.
    check(any(n.startswith("Positions: Precise: Swiss Ephemeris") for n in labels),
          "a first start's chart does not say it is precise")

    # The same birth from the command line: the chart the window must announce.
    out = subprocess.run([CLI, "--name", "RAMA", "--date", "1901-01-01", "--time", "0:00", "--lon", "77:35E",
                          "--lat", "12:58N", "--json"], check=True, capture_output=True, text=True).stdout
    chart = json.loads(out)
    for k, sign in enumerate(SIGNS):
        bodies = spoken(chart["signBoxes"][k])
        arudhas = spoken(chart["arudhaBoxes"][k])
        cell = sign + ": " + (bodies if bodies else "no bodies")
        pada = sign + ": " + ("arudhas " + arudhas if arudhas else "no arudhas")
        check(cell in labels, "no chart cell announced as %r" % cell)
        check(pada in labels, "no arudha label announced as %r" % pada)
    for detail in ("Name: RAMA", "City: not given", "State: not given", "Country: not given"):
        check(detail in labels, "no detail announced as %r" % detail)
    check(any(n.startswith("Date of Birth: ") and len(n) > len("Date of Birth: ") for n in labels),
          "the date of birth is not announced with its value")
    # Nothing inside the chart takes the frame's title or a caption for its name.
    check(labels.count("Hora") == 0, "a label announced as the frame's title 'Hora'")
    for caption in ("City :", "State :", "Country :"):
        check(labels.count(caption) <= 1, "more than one label announced as %r" % caption)
    reports = [c for c in descendants(window) if c.name == "Report"]
    check(bool(reports), "no report box named 'Report'")
    if reports:
        text = reports[0].queryText()
        check(text.characterCount > 1000, "the report reads as %d characters" % text.characterCount)


if __name__ == "__main__":
    sys.exit(main())
