#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The trace reader notices each kind of breach, and passes a clean play.

Each case adds a few lines to a clean trace of a short play and names the
rule that they break."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
READER = os.path.join(HERE, "read_trace.py")
ADDRESSES = os.path.join(HERE, "..", "..", "menu", "web_addresses.h")

GAME, THREAD, CHILD = "100", "101", "200"
CLEAN = f"""{GAME} execve("/opt/tallowby/tallowby", ["/opt/tallowby/tallowby"], 0x7ffd /* 30 vars */) = 0
{GAME} openat(AT_FDCWD, "/usr/lib/x86_64-linux-gnu/libQt6Core.so.6", O_RDONLY|O_CLOEXEC) = 3
{GAME} socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 3
{GAME} connect(3, {{sa_family=AF_UNIX, sun_path=@"/tmp/.X11-unix/X99"}}, 20) = 0
{THREAD} socket(AF_UNIX, SOCK_STREAM|SOCK_CLOEXEC, 0) = 7
{THREAD} connect(7, {{sa_family=AF_UNIX, sun_path="/run/user/1000/pulse/native"}}, 110) = 0
{THREAD} openat(AT_FDCWD, "/home/child/.config/pulse/cookie", O_RDWR|O_CREAT|O_CLOEXEC, 0600) = 8
{GAME} openat(AT_FDCWD, "/home/child/.cache/fontconfig/abc-le64.cache-8", O_RDWR|O_CREAT|O_EXCL, 0666) = 9
{GAME} openat(AT_FDCWD, "/opt/tallowby/Chime.wav", O_RDONLY|O_CLOEXEC) = 10
{GAME} openat(AT_FDCWD, "/opt/tallowby/platforms", O_RDONLY|O_DIRECTORY) = -1 ENOENT (No such file or directory)
{GAME} mkdir("/run/user/1000", 0700) = -1 EEXIST (File exists)
{CHILD} openat(AT_FDCWD, "/dev/null", O_RDWR) = 3
{CHILD} execve("/usr/bin/xdg-open", ["/usr/bin/xdg-open", "https://tallowby.example/"], 0x7ffd /* 30 vars */) = 0
{CHILD} openat(AT_FDCWD, "/home/child/.local/share/recently-used.xbel", O_WRONLY|O_CREAT, 0600) = 4
{CHILD} socket(AF_INET, SOCK_STREAM, IPPROTO_TCP) = 5
"""
SURROUNDINGS = "/home/child\n/run/user/1000\n:99\n\n"


def read(extra, every_address=False):
    with tempfile.TemporaryDirectory() as d:
        trace, where = os.path.join(d, "trace"), os.path.join(d, "surroundings")
        with open(trace, "w") as f:
            f.write(CLEAN + extra)
        with open(where, "w") as f:
            f.write(SURROUNDINGS)
        args = [sys.executable, READER, trace, where, "/opt/tallowby", ADDRESSES]
        if every_address:
            args.append("--every-address")
        done = subprocess.run(args, capture_output=True, text=True)
        return done.returncode, done.stderr


class ReadTrace(unittest.TestCase):
    def test_a_clean_play_passes_and_what_the_browser_does_is_its_own(self):
        self.assertEqual(read(""), (0, ""))

    def test_each_breach_is_named(self):
        cases = [
            ("a file written", f'{GAME} openat(AT_FDCWD, "/home/child/scores.txt", O_WRONLY|O_CREAT|O_TRUNC, 0644) = 11\n',
             "openat for writing: /home/child/scores.txt"),
            ("a file written by a thread", f'{THREAD} creat("/tmp/log", 0644) = 11\n', "creat for writing: /tmp/log"),
            ("a file renamed", f'{GAME} rename("/home/child/a", "/home/child/b") = 0\n', "rename:"),
            ("a network socket", f"{GAME} socket(AF_INET6, SOCK_DGRAM, IPPROTO_UDP) = 12\n",
             "a socket that is not local"),
            ("a local socket to someone else",
             f'{GAME} connect(3, {{sa_family=AF_UNIX, sun_path="/run/dbus/system_bus_socket"}}, 110) = 0\n',
             "connect to /run/dbus/system_bus_socket"),
            ("another file of the program's folder", f'{GAME} openat(AT_FDCWD, "/opt/tallowby/settings.ini", O_RDONLY) = 13\n',
             "read in the program's folder: /opt/tallowby/settings.ini"),
            ("a cue under another name", f'{GAME} openat(AT_FDCWD, "/opt/tallowby/chime.wav", O_RDONLY) = 13\n',
             "read in the program's folder: /opt/tallowby/chime.wav"),
            ("a stranger's address",
             f'300 execve("/usr/bin/xdg-open", ["/usr/bin/xdg-open", "https://ads.example.com/"], 0x7ffd /* 3 vars */) = 0\n',
             "without an address of the game's"),
            ("another program started", f'300 execve("/bin/sh", ["sh", "-c", "uname"], 0x7ffd /* 3 vars */) = 0\n',
             "without an address of the game's"),
        ]
        for what, lines, named in cases:
            with self.subTest(what):
                status, report = read(lines)
                self.assertEqual(status, 1, report)
                self.assertIn(named, report)

    def test_split_calls_are_joined_before_they_are_read(self):
        lines = (f'{THREAD} openat(AT_FDCWD, "/home/child/notes", O_WRONLY|O_CREAT <unfinished ...>\n'
                 f"{GAME} socket(AF_UNIX, SOCK_STREAM, 0) = 14\n"
                 f"{THREAD} <... openat resumed>, 0644) = 15\n")
        status, report = read(lines)
        self.assertEqual(status, 1)
        self.assertIn("openat for writing: /home/child/notes", report)

    def test_every_address_must_be_seen_when_asked_for(self):
        status, report = read("", every_address=True)
        self.assertEqual(status, 1)
        self.assertIn("addresses opened", report)


if __name__ == "__main__":
    unittest.main()
