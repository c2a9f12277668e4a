#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads an strace of one play of the game against the privacy and safety rules.

The game, that is the program's own process with its threads and the short
moment of a started child before it becomes the browser:
  - opens no file for writing and creates, renames or removes none, except
    where a system library keeps its own cache (named below);
  - creates no socket but local ones, and connects only to the display and
    the audio server;
  - reads, in the program's folder, only its six sound cues by their names;
  - starts no program but the browser, and hands it only the game's own
    three web addresses.

usage: read_trace.py TRACE SURROUNDINGS PROGRAM_DIR WEB_ADDRESSES_H [--every-address]
SURROUNDINGS holds, one a line: HOME, XDG_RUNTIME_DIR, DISPLAY, PULSE_SERVER.
"""
import os
import re
import sys

CUES = {"Chime.wav", "startup.wav", "correct.wav", "Endlvl.wav", "dong.wav", "click.wav"}

# What system libraries write of their own, relative to HOME or the runtime folder.
ALLOWED_WRITES = [
    ("fontconfig's font cache", "HOME", ".cache/fontconfig/"),
    ("the audio client's cookie", "HOME", ".config/pulse/"),
    ("the audio client's runtime folder", "XDG_RUNTIME_DIR", "pulse/"),
]
WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND")
CHANGES = {"mkdir", "mkdirat", "rename", "renameat", "renameat2", "unlink", "unlinkat", "rmdir",
           "link", "linkat", "symlink", "symlinkat", "chmod", "fchmodat", "chown", "fchownat",
           "lchown", "truncate", "utime", "utimes", "utimensat", "futimesat", "mknod", "mknodat"}
OPENS = {"open", "openat", "openat2", "creat"}

LINE = re.compile(r"^(\d+)\s+(.*)$")
CALL = re.compile(r"^(\w+)\((.*)\)\s+=\s+(-?\d+|\?)(.*)$")
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


def unescape(s):
    return bytes(s, "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8", "replace")


def calls(path):
    """Yields (pid, name, args, result) with split calls joined again."""
    pending = {}
    with open(path, encoding="utf-8", errors="replace") as trace:
        for raw in trace:
            m = LINE.match(raw.rstrip("\n"))
            if not m:
                continue
            pid, text = m.group(1), m.group(2)
            if text.endswith("<unfinished ...>"):
                pending[pid] = text[: -len("<unfinished ...>")].rstrip()
                continue
            resumed = re.match(r"^<\.\.\. \w+ resumed>(.*)$", text)
            if resumed:
                text = pending.pop(pid, "") + resumed.group(1)
            c = CALL.match(text)
            if c:
                result = c.group(3)
                yield pid, c.group(1), c.group(2), int(result) if result != "?" else None


def main(argv):
    every_address = "--every-address" in argv
    trace, surroundings, program_dir, addresses_h = [a for a in argv[1:] if not a.startswith("--")]
    home, runtime, display, pulse = (open(surroundings).read().split("\n") + [""] * 4)[:4]
    program_dir = os.path.realpath(program_dir)
    where = {"HOME": home, "XDG_RUNTIME_DIR": runtime}

    # The three addresses as the browser receives them: a bare host name
    # gains "http://", as any browser reads it.
    literals = re.findall(r'=\s*"([^"]*)"', open(addresses_h).read())
    addresses = {a if "://" in a else "http://" + a for a in literals if "." in a and " " not in a}

    display_number = display.split(":")[-1].split(".")[0]
    sockets_allowed = {"/tmp/.X11-unix/X" + display_number, "@/tmp/.X11-unix/X" + display_number}
    if pulse.startswith("unix:"):
        sockets_allowed.add(pulse[len("unix:"):])
    sockets_allowed.add(os.path.join(runtime, "pulse", "native"))

    faults, seen_addresses, allowed_used, cues_read = [], set(), set(), set()
    game = None      # the program's own process
    foreign = set()  # processes that have become another program

    def allowed_write(path):
        for why, base, below in ALLOWED_WRITES:
            if where[base] and path.startswith(os.path.join(where[base], below)):
                allowed_used.add(why)
                return True
        return path in ("/dev/null", os.path.join(where["HOME"], ".cache"),
                        os.path.join(where["HOME"], ".config"))

    for pid, name, args, result in calls(trace):
        if name == "execve":
            if game is None:
                game = pid
                continue
            if result != 0:
                continue
            # The program's path, then its arguments; the address comes last.
            started = [unescape(s) for s in STRING.findall(args.split("], ")[0])]
            url = started[-1] if len(started) > 2 else ""
            if url not in addresses:
                faults.append(f"started {started} without an address of the game's")
            seen_addresses.add(url)
            foreign.add(pid)
            continue
        if pid in foreign or game is None:
            continue
        strings = [unescape(s) for s in STRING.findall(args)]
        path = strings[0] if strings else ""
        done = result is not None and result >= 0  # an attempt that failed changed nothing
        if name in OPENS:
            writes = name == "creat" or any(flag in args for flag in WRITE_FLAGS)
            if writes and done and not allowed_write(path):
                faults.append(f"{name} for writing: {path}")
            if os.path.dirname(path) == program_dir and done:
                if os.path.basename(path) in CUES and not writes:
                    cues_read.add(os.path.basename(path))
                else:
                    faults.append(f"read in the program's folder: {path}")
        elif name in CHANGES:
            if done and not all(allowed_write(s) for s in strings if s.startswith("/")):
                faults.append(f"{name}: {args}")
        elif name == "socket":
            family = args.split(",")[0].strip()
            if family not in ("AF_UNIX", "AF_LOCAL"):
                faults.append(f"a socket that is not local: {name}({args})")
        elif name in ("connect", "sendto", "sendmsg") and "sun_path=" in args:
            target = re.search(r'sun_path=(@?)"((?:[^"\\]|\\.)*)"', args)
            address = (target.group(1) + unescape(target.group(2))) if target else "?"
            if address not in sockets_allowed:
                faults.append(f"{name} to {address}")
        elif name in ("connect", "sendto", "sendmsg", "bind") and "sa_family=" in args:
            if "AF_UNIX" not in args and "AF_LOCAL" not in args:
                faults.append(f"{name}({args})")

    if game is None:
        faults.append("the trace holds no program start")
    if every_address and seen_addresses != addresses:
        faults.append(f"addresses opened {sorted(seen_addresses)}, expected {sorted(addresses)}")
    for fault in faults:
        print("FAIL:", fault, file=sys.stderr)
    print(f"trace read: cues read {sorted(cues_read)}; addresses opened {sorted(seen_addresses)}; "
          f"allowed writes of system libraries: {sorted(allowed_used) or 'none'}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
