#!/usr/bin/python3
"""Dumps the window's accessible tree as screen readers see it through AT-SPI
and counts the inputs and buttons without a name.

Runs the window itself on a virtual display with its own session bus:
    scripts/atspi-dump.py [build/tz_arko5] [LANGUAGE]
Needs xvfb-run, dbus-run-session, at-spi2-core and python3-pyatspi. Prints
one line per object ("role<TAB>name"), then the counts; exits with 1 when an
input or button has no name."""
import os
import subprocess
import sys
import tempfile
import time

CHECKED_ROLES = {"text", "push button", "check box", "radio button", "combo box",
                 "slider", "spin button", "toggle button"}


def walk(node, depth, out):
    try:
        role = node.getRoleName()
        name = node.name or ""
    except Exception:  # an object that went away while walking
        return
    out.append((depth, role, name))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def dump():
    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)
    for deadline in range(100):
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        apps = [a for a in apps if a is not None and "arko5" in (a.name or "").lower()]
        if apps and apps[0].childCount > 0:
            break
        time.sleep(0.2)
    else:
        names = [desktop.getChildAtIndex(i).name for i in range(desktop.childCount)]
        print(f"the window did not appear on the accessibility bus: {names}", file=sys.stderr)
        return 2
    nodes = []
    walk(apps[0], 0, nodes)
    unnamed = {}
    for depth, role, name in nodes:
        print("  " * depth + role + "\t" + name)
        if role in CHECKED_ROLES and not name.strip():
            unnamed[role] = unnamed.get(role, 0) + 1
    total = sum(1 for _, role, _ in nodes if role in CHECKED_ROLES)
    print(f"inputs and buttons: {total}, without a name: {sum(unnamed.values())} {unnamed}")
    return 1 if unnamed else 0


def main():
    if os.environ.get("TZ_ATSPI_INNER"):
        return dump()
    program = sys.argv[1] if len(sys.argv) > 1 else "build/tz_arko5"
    language = sys.argv[2] if len(sys.argv) > 2 else "ENGLISH"
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, TZ_ATSPI_INNER="1",
                   QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   NO_AT_BRIDGE="0", QT_QPA_PLATFORM="xcb")
        inner = (f"/usr/libexec/at-spi-bus-launcher --launch-immediately & sleep 1; "
                 f"{program} {language} & window=$!; sleep 3; "
                 f"/usr/bin/python3 {os.path.abspath(__file__)}; status=$?; kill $window; exit $status")
        return subprocess.call(["xvfb-run", "-a", "dbus-run-session", "--", "sh", "-c", inner],
                               env=env)


if __name__ == "__main__":
    sys.exit(main())
