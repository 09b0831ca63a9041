#!/usr/bin/python3
"""The highscore road end to end: the real scores server, the real game played through its
windows until it wins a mission, TEST_HIGHSCORE answered Yes, and the address opened by the
system's URL opener (xdg-open), set to a headless Chromium that saves the page it loads.

Run by private_desktop.sh:
    browser_test.py GAME DATA_FOLDER USER_FOLDER SCORES_PROGRAM [LEADERBOARD_PICTURE]
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time
import urllib.request

for needed in ("chromium", "xdg-open"):
    if shutil.which(needed) is None:
        print(f"skipped: {needed} is missing")
        sys.exit(77)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "a11y"))
from game_driver import *  # noqa: E402,F401,F403

GAME, DATA, USER, SCORES = sys.argv[1:5]
PICTURE = sys.argv[5] if len(sys.argv) > 5 else None
WORK = os.path.dirname(USER)
os.environ.setdefault("ZINDREL_A11Y_SHOT", os.path.join(WORK, "failure.png"))
HANDLE = "Ace<&>"  # the page must show it escaped, as text

# The URL opener: xdg-open finds the default handler of http addresses in the user's
# mimeapps.list; ours is a desktop entry that runs Chromium headless and keeps what it loaded.
config, share = os.path.join(WORK, "config"), os.path.join(WORK, "share")
os.makedirs(os.path.join(share, "applications"))
os.makedirs(config)
saver = os.path.join(WORK, "save-page")
with open(saver, "w") as f:
    f.write(f"""#!/bin/sh
echo "$1" > "{WORK}/opened.txt"
exec chromium --headless=new --no-sandbox --disable-gpu --no-first-run \\
  --user-data-dir="{WORK}/chromium" --dump-dom "$1" > "{WORK}/page.html" 2> "{WORK}/chromium.log"
""")
os.chmod(saver, 0o755)
with open(os.path.join(share, "applications", "zindrel-save-page.desktop"), "w") as f:
    f.write(f"[Desktop Entry]\nType=Application\nName=Save page\nExec={saver} %u\n")
with open(os.path.join(config, "mimeapps.list"), "w") as f:
    f.write("[Default Applications]\nx-scheme-handler/http=zindrel-save-page.desktop\n")

database = os.path.join(WORK, "scores.sqlite")
server = subprocess.Popen([SCORES, "--database", "sqlite:" + database, "--listen", "127.0.0.1:0"],
                          stdout=subprocess.PIPE, text=True)
address = re.search(r"http://[^/ ]+", server.stdout.readline()).group(0)

env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
           ZINDREL_HIGHSCORE_URL=address, XDG_CONFIG_HOME=config, XDG_DATA_HOME=share,
           XDG_DATA_DIRS=share, XDG_CURRENT_DESKTOP="", BROWSER=saver)
game = subprocess.Popen([GAME, "--data", DATA, "--user-data", USER], env=env)
try:
    intro = wait_for(lambda: window("dialog", "Zindrel"), 20, "the intro")
    wait_for(lambda: find(intro, "text", "Hacker ID"), 5, "the handle box")
    type_text(HANDLE)
    keys("Tab", "Down", "Return")
    console = wait_for(lambda: window("frame", "Zindrel"), 20, "the console")
    wait_for(lambda: find(console, "terminal"), 5, "the console's terminal")
    wait_for(lambda: "root[.]# " in "".join(heard["insert"]), 10, "the first prompt")

    # The mission: its mail names the host, the port and the login.
    host, port, login = read_mail(console)

    def close_message(what):
        wait_for(lambda: window("dialog", "Zindrel Message"), 15, what)
        time.sleep(0.5)  # the message ignores keys for its first moment
        keys("Return")
        wait_for(lambda: window("dialog", "Zindrel Message") is None, 5, what + " closed")

    command("ping " + host, "root[.]# ")
    command(f"telnet {host} {port}", "LOGIN: ", 30)
    command(login, "PASSWORD: ")
    command("plonkit4")
    close_message("the logged-in message")
    # The log that names the player goes, then the line.
    command("cd TelnetLogs", "TelnetLogs]")
    command("dir", "]# ")
    own = re.search(r"(\d+\.\d+\.\d+\.\d+)", "".join(heard["insert"][-3:]))
    check(own is not None, "the log of the player's address is listed")
    command("del " + own.group(1), "]# ")
    command("disconnect")
    close_message("the mission's result")

    # The highscore: asked, answered Yes after the box's first moment, opened by the browser.
    command("TEST_HIGHSCORE")
    wait_for(lambda: window("alert") or window("dialog", "Zindrel Highscore") or
             any(top.getRoleName() in ("alert", "dialog") and showing(top) and
                 top.name != "Zindrel" for top in application()), 10, "the highscore question")
    time.sleep(0.5)
    keys("Return")
    page_file = os.path.join(WORK, "page.html")
    wait_for(lambda: os.path.exists(page_file) and "</html>" in open(page_file).read(), 60,
             "the browser's page")
    page = open(page_file).read()
    opened = open(os.path.join(WORK, "opened.txt")).read().strip()
    print("the game opened", opened)
    check(opened.startswith(address + "/zindrel/?zdl=zdlscore&h=Ace%3C%26%3E&data="),
          "the address the browser was given")
    check("Rank 1 of 1" in page, "the page shows the player's rank")
    check("Ace&lt;&amp;&gt;" in page, "the page shows the handle, escaped")

    scores = json.load(urllib.request.urlopen(address + "/scores.json"))["scores"]
    check(len(scores) == 1, "one row in the list")
    row = scores[0]
    check(row["handle"] == HANDLE and row["rank"] == 1, f"the row's handle and rank: {row}")
    check(row["missions"] == 1 and row["busts"] == 0, f"the row's missions and busts: {row}")
    check(0 < row["playSeconds"] < 600, f"the row's play time: {row}")
    print("listed:", row)
    if PICTURE:
        subprocess.run(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                        "--user-data-dir=" + os.path.join(WORK, "chromium"),
                        "--window-size=900,420", "--screenshot=" + PICTURE, address + "/"],
                       check=True, capture_output=True)
finally:
    end(game)
    end(server)

if failures:
    print(f"{len(failures)} problem(s)")
    sys.exit(1)
print("the highscore went from the game through the browser onto the list")
