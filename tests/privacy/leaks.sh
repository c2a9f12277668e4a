#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One end-to-end play of the program built with AddressSanitizer, real mouse
# events under Xvfb, and LeakSanitizer's report when the program ends. A
# leak counts as ours when a frame of its allocation lies in our sources;
# the system libraries' own leaks (fontconfig, the X and audio clients) are
# counted and named, not held against us.
#
#   leaks.sh PLAY_SCRIPT PATH/TO/tallowby SOURCE_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
play=$1 program=$2 sources=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -m 700 "$out/home" "$out/runtime"
export HOME=$out/home XDG_RUNTIME_DIR=$out/runtime
# Reported into files, and the exit status left to the game, so the play's
# own checks see the program end as it should.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=log_path=$out/leaks:exitcode=0:report_objects=0
bash "$here/../faults/with_sound_server.sh" bash "$here/../e2e/run.sh" "$play" "$program"
python3 - "$sources" "$out"/leaks.* <<'PY'
import re, sys
sources, reports = sys.argv[1], sys.argv[2:]
ALLOCATORS = re.compile(r"operator new|malloc|calloc|realloc|strdup|strndup|memalign")
ours, theirs, libraries = [], 0, set()

def origin(frames):
    """Where a leaked block was allocated: the nearest frame below the
    allocator that lies in our sources, or the shared library it lies in."""
    for f in frames:
        if ALLOCATORS.search(f):
            continue
        library = re.search(r"\(/\S*/(lib[^/+)\s]*\.so[^/+)\s]*)", f)
        if library:
            return library.group(1)
        if sources in f and "/tests/" not in f:
            return "ours"
    return "unknown"

for report in reports:
    text = open(report, errors="replace").read()
    if "ERROR: AddressSanitizer" in text or "runtime error" in text:
        print(text, file=sys.stderr)
        sys.exit("FAIL: a memory error, above")
    for block in re.split(r"\n(?=(?:Direct|Indirect) leak of )", text):
        m = re.match(r"(Direct|Indirect) leak of (\d+) byte", block)
        if not m:
            continue
        where = origin(re.findall(r"#\d+ 0x[0-9a-f]+ (.*)", block))
        if m.group(1) == "Direct" and where == "ours":
            ours.append(block)
        else:
            theirs += int(m.group(2))
            libraries.add(where)
for block in ours:
    print(block, file=sys.stderr)
print(f"leaks: {len(ours)} definite leaks of our own; {theirs} bytes left by system libraries"
      f" ({', '.join(sorted(libraries)) or 'none'})")
sys.exit(1 if ours else 0)
PY
