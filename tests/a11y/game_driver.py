"""Drives the real game through its windows as a player would, and reads it as a screen reader
does: the accessible tree and the events of AT-SPI, keys and clicks through xdotool. Used inside
a private X server, D-Bus session and AT-SPI bus (see private_desktop.sh).
"""

import os
import subprocess
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, flush=True)
    return condition


def pump(seconds=0.05):
    """Lets AT-SPI deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.time() >= end:
            return
        time.sleep(0.01)


def wait_for(condition, timeout, what):
    end = time.time() + timeout
    what = what  # named in the failure
    while time.time() < end:
        pump()
        try:
            found = condition()
        except Exception:  # an object that went away while it was read
            found = None
        if found:
            return found
    try:  # a picture of the screen, where ImageMagick is at hand
        subprocess.run(["import", "-window", "root",
                        os.environ.get("ZINDREL_A11Y_SHOT", "failure.png")])
    except FileNotFoundError:
        pass
    raise SystemExit("FAIL: gave up waiting for " + what)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def command(text, prompt=None, timeout=15):
    """Types a command; with a prompt, waits until the console has printed it again (keys typed
    while a command still runs are dropped, as they would be for the player)."""
    heard["insert"].clear()
    type_text(text)
    keys("Return")
    if prompt is not None:
        wait_for(lambda: any(prompt in piece for piece in heard["insert"]), timeout,
                 f"the prompt {prompt!r} after {text!r}")


def walk(accessible):
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def states(accessible):
    return accessible.getState()


def showing(accessible):
    return states(accessible).contains(pyatspi.STATE_SHOWING)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zindrel":
            return app
    return None


def window(role, name=None):
    """The shown top-level window of the game with this role (and name, when given)."""
    app = application()
    if app is None:
        return None
    for top in app:
        if top is not None and top.getRoleName() == role and showing(top):
            if name is None or top.name == name:
                return top
    return None


def find(root, role, name=None):
    for accessible in walk(root):
        if accessible.getRoleName() == role and (name is None or accessible.name == name):
            return accessible
    return None


# Roles a control the keyboard reaches may have, and what a screen reader then says it is.
def click(accessible):
    """Clicks the control where it is on the screen, as a sighted player would."""
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


heard = {"insert": [], "names": []}


def on_insert(event):
    try:
        if event.source.getRoleName() == "terminal":
            heard["insert"].append(str(event.any_data))
    except Exception:  # the source is gone already (a window that closed)
        pass


def on_name(event):
    try:
        heard["names"].append((event.source.getRoleName(), event.source.name or ""))
    except Exception:
        pass


pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")


def read_mail(console, on_open=None):
    """Opens the waiting mail from its button, reads the host, port and login it names (the test
    packs' mails name them as "host: ...", "port: ..." and "login: ...") and closes the reader
    with Escape. on_open, when given, gets the reader's window first."""
    import re
    click(wait_for(lambda: find(console, "push button", "Mail 1"), 20, "the mail button"))
    mail = wait_for(lambda: window("dialog", "Mail Reader v1.0"), 5, "the mail reader")
    if on_open is not None:
        on_open(mail)
    text = find(mail, "text", "Mail").queryText()
    body = text.getText(0, text.characterCount)
    found = [re.search(pattern, body).group(1)
             for pattern in (r"host: (\S+)", r"port: (\d+)", r"login: (\S+)")]
    keys("Escape")
    wait_for(lambda: window("dialog", "Mail Reader v1.0") is None, 5, "the mail reader closed")
    return found


def end(process):
    """Asks a program to end, and ends it when it does not within five seconds."""
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
