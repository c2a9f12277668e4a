#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands in for the program in an end-to-end play: runs it under strace,
# which records every file, socket and program start of it and of whatever
# it starts, and keeps what it prints. AUDIT_PROGRAM is the program and
# AUDIT_OUT the folder for the trace, its output and its surroundings.
printf '%s\n' "$HOME" "${XDG_RUNTIME_DIR:-}" "${DISPLAY:-}" "${PULSE_SERVER:-}" >"$AUDIT_OUT/surroundings"
exec strace -f -qq -s 4096 -o "$AUDIT_OUT/trace" -e trace=%file,%network,execve \
    "$AUDIT_PROGRAM" >"$AUDIT_OUT/stdout" 2>"$AUDIT_OUT/stderr"
