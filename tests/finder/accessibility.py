#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The finder as a screen reader meets it: started on the shipped data under X with the
desktop's accessibility bus, typed into with xdotool, then read back through AT-SPI (pyatspi,
the client Orca uses): each control's name, the search's text, the results, the status, the
details, the route's legs, how it was read and the file read. Run inside xvfb-run and
dbus-run-session: accessibility.py ICAOFINDER."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi


def text_of(node):
    """What a reader says of a node: its text, else its name."""
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name or ""


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for index in range(node.childCount):
        try:
            child = node.getChildAtIndex(index)
        except Exception:  # a node may go while it is read
            continue
        yield from walk(child, depth + 1)


def finder_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and "icaofinder" in (application.name or "").lower():
            return application
    return None


def cells_of(table):
    """What a reader says of each cell of a table, and of the table itself first."""
    return [text_of(node) for node in walk(table)]


def named(application, name):
    """The node of this name; a label, whose name is its text, by its description."""
    for node in walk(application):
        if node.name == name or (node.getRoleName() == "label" and node.description == name):
            return node
    return None


def wait_for(what, check, seconds=20):
    """check() once it is true, or a failure naming what was waited for."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = check()
        if value:
            return value
        time.sleep(0.3)
    raise AssertionError(f"no {what} within {seconds} s")


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def main():
    finder = sys.argv[1]
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1", XDG_CONFIG_HOME=tempfile.mkdtemp())
    program = subprocess.Popen([finder, "-platform", "xcb"], env=environment)
    failures = []
    try:
        application = wait_for("finder on the accessibility bus", finder_application)
        search = wait_for("search field named Search", lambda: named(application, "Search"))
        shown = named(application, "Data file")
        wait_for("file read named in the status bar",
                 lambda: "airports.txt (" in text_of(shown) and "airfields)" in text_of(shown))
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "airports"],
                                capture_output=True, text=True).stdout.split()[0]
        xdotool("windowactivate", "--sync", window)
        xdotool("type", "--window", window, "--delay", "40", "heathrow")
        wait_for("the typed text in the search field", lambda: text_of(search) == "heathrow")
        status = named(application, "Search status")
        wait_for("the status of the answer", lambda: "matched" in text_of(status))
        table = named(application, "Airfields found")
        cells = cells_of(table)
        if "EGLL" not in cells or "London Heathrow Airport" not in cells:
            failures.append(f"the results read as {cells[:20]}")
        details = named(application, "Airfield details")
        wait_for("the details of EGLL",
                 lambda: "London Heathrow Airport" in text_of(details))
        xdotool("key", "--window", window, "ctrl+r")
        xdotool("type", "--window", window, "--delay", "40", "EGLL paris")
        route = named(application, "Route")
        wait_for("the typed route in the route field", lambda: text_of(route) == "EGLL paris")
        legs = named(application, "Route legs")
        wait_for("the legs read out", lambda: "EGLL → LFPG" in cells_of(legs))
        for heading in ("Leg", "Distance", "TC", "MC"):
            if heading not in cells_of(legs):
                failures.append(f"the legs read as {cells_of(legs)[:20]}")
        total = named(application, "Route total")
        if total is None or not text_of(total).startswith("total: "):
            failures.append(f"the route's total reads as {total and text_of(total)!r}")
        readings = named(application, "How the route was read")
        wait_for("how paris was read", lambda: "paris → LFPG" in text_of(readings))
        for name in ("Filters", "Ground speed", "Map"):
            if named(application, name) is None:
                failures.append(f"no control named {name}")
        roles = {node.getRoleName() for node in walk(application)}
        for role in ("text", "table", "label", "menu bar"):
            if role not in roles:
                failures.append(f"no {role} among the roles {sorted(roles)}")
    except AssertionError as error:
        failures.append(str(error))
    finally:
        program.terminate()
        program.wait(timeout=10)
    for failure in failures:
        print(f"accessibility: {failure}", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
