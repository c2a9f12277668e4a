#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test: the game's tests, the monkey's
# short run, the front end and the fault tests on the offscreen platform,
# the real program under Xvfb (end to end, and audited under strace with
# and without a sound server); then the whole game again under
# AddressSanitizer and UndefinedBehaviorSanitizer: the same tests, the
# fuzzing of the number readings for a fixed number of runs, and every
# end-to-end play under LeakSanitizer. The monkey's long run is
# tests/monkey/long.sh.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" -DTALLOWBY_BENCH=ON

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j2

echo "== the game under AddressSanitizer and UndefinedBehaviorSanitizer =="
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$top/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DTALLOWBY_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build "$top/build-sanitize"
# The plain end-to-end runs are the plain build's; here the same plays run
# as the leak tests, which read LeakSanitizer's report at the program's end.
ctest --test-dir "$top/build-sanitize" --output-on-failure -j2 -LE e2e
