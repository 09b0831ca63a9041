#!/usr/bin/python3
"""The game as a screen reader meets it: the accessible tree of the intro, the console and every
tool window read through AT-SPI, the console's output and the trace line heard as events.

Run by private_desktop.sh, inside a private X server, D-Bus session and AT-SPI bus:
    screen_reader_test.py GAME DATA_FOLDER USER_FOLDER
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from game_driver import *  # noqa: E402,F401,F403

GAME, DATA, USER = sys.argv[1:4]
os.environ.setdefault("ZINDREL_A11Y_SHOT", os.path.join(USER, "failure.png"))

FITTING_ROLES = {"push button", "text", "terminal", "combo box", "check box", "label",
                 "list", "list item"}
DECORATION = re.compile(r"^[\s:>\-=_|]*$")


def check_tree(root, where):
    """Every control the keyboard reaches has a name and a fitting role; nothing that only
    decorates is exposed; pictures are named."""
    for accessible in walk(root):
        role = accessible.getRoleName()
        name = accessible.name or ""
        state = states(accessible)
        if state.contains(pyatspi.STATE_FOCUSABLE) and showing(accessible):
            check(name.strip() != "", f"{where}: a focusable {role} without a name")
            check(role in FITTING_ROLES, f"{where}: focusable '{name}' has the role {role}")
        if role == "label":
            check(not DECORATION.match(name), f"{where}: a decorative label '{name}' is exposed")
        if role in ("image", "icon"):
            check(name.strip() != "", f"{where}: a picture without a name")
        if role == "filler":
            check(False, f"{where}: a nameless filler is exposed")



env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
game = subprocess.Popen([GAME, "--data", DATA, "--user-data", USER], env=env)
try:
    # The intro.
    intro = wait_for(lambda: window("dialog", "Zindrel"), 20, "the intro")
    wait_for(lambda: find(intro, "text", "Hacker ID"), 5, "the handle box")
    check_tree(intro, "intro")
    type_text("blind")
    keys("Tab", "Down", "Return")

    # The console: a frame holding a named terminal.
    console = wait_for(lambda: window("frame", "Zindrel"), 20, "the console")
    terminal = wait_for(lambda: find(console, "terminal"), 5, "the console's terminal")
    check(terminal.name == "vorlOS console", f"the terminal is named '{terminal.name}'")
    wait_for(lambda: "root[.]# " in "".join(heard["insert"]), 10, "the first prompt heard")
    check_tree(console, "console")

    # Its output reaches the screen reader in whole pieces, not one letter at a time.
    command("dir")
    listing = wait_for(lambda: [piece for piece in heard["insert"] if "zebra.txt" in piece],
                       10, "the listing heard")
    check("Tools <DIR>" in listing[0], "the listing arrives with its folders: " + listing[0])

    # The four tools are installed from the player's own box.
    command("cd Tools", "root[Tools]# ")
    for program in ("PortScannerW32.exe", "DestroyFileW32.exe", "PasswordHackerW32.exe",
                    "VirusUploaderW32.exe"):
        command(program, "root[Tools]# ")
    for button in ("Port Scanner", "File Destroyer", "Password Hacker", "Virus Uploader"):
        check(showing(find(console, "push button", button)), button + " is not shown")
    command("cd ..", "root[.]# ")

    # The mail: its button's new name is heard, its text read through AT-SPI.
    wait_for(lambda: ("push button", "Mail 1") in heard["names"], 15, "the mail announced")
    address, port, login = read_mail(console, lambda mail: check_tree(mail, "mail reader"))

    def visit(button, title, where, progress=False):
        """Opens a tool window from its button, reads its tree and closes it with Escape."""
        click(wait_for(lambda: find(console, "push button", button), 5, button))
        tool = wait_for(lambda: window("dialog", title), 5, where)
        check_tree(tool, where)
        if progress:
            bar = find(tool, "progress bar")
            check(bar is not None and bar.name == "Progress", where + ": no named progress bar")
            if bar is not None:
                check(bar.queryValue().maximumValue == 100, where + ": the bar's scale")
        keys("Escape")
        wait_for(lambda: window("dialog", title) is None, 5, where + " closed")
        return tool

    for button, title in (("Ping", "Ping IP v1.0"), ("Telnet", "Telnet v1.0"),
                          ("Port Scanner", "Port Scanner v1.0")):
        visit(button, title, title)

    # Logging in: the message opens with the keyboard, and so the screen reader, on its text.
    command("ping " + address, "root[.]# ")
    command(f"telnet {address} {port}", "LOGIN: ", 30)
    command(login, "PASSWORD: ")
    command("plonkit4")
    message = wait_for(lambda: window("dialog", "Zindrel Message"), 10, "the logged-in message")
    text = wait_for(lambda: find(message, "label"), 5, "the message's text")
    check(states(text).contains(pyatspi.STATE_FOCUSED) and text.name.strip() != "",
          "the message's text has the focus")
    check_tree(message, "message")
    time.sleep(0.5)  # the message ignores keys for its first moment
    keys("Return")
    wait_for(lambda: window("dialog", "Zindrel Message") is None, 5, "the message closed")

    # While logged in the trace line changes, and screen readers hear it change.
    heard["names"].clear()
    wait_for(lambda: any(name.startswith("Trace") for role, name in heard["names"]), 10,
             "the trace line heard")

    for button, title in (("Password Hacker", "Brute Force Password hacker v1.0"),
                          ("Virus Uploader", "Virus Uploader v1.0"),
                          ("Download File", "RemoteDownload v1.0"),
                          ("File Destroyer", "File Wiper (extra strong) v1.0")):
        visit(button, title, title, progress=True)
finally:
    end(game)

if failures:
    print(f"{len(failures)} problem(s)")
    sys.exit(1)
print("the screen reader's view of the game is whole")
