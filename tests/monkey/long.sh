#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long monkey run, one command: the game built with AddressSanitizer
# and UndefinedBehaviorSanitizer (the test script's sanitizer build), then
# 200,000 events on each of seeds 1 to 5, every invariant checked after
# every event.
#
#   tests/monkey/long.sh                       # the whole run
#   tests/monkey/long.sh --events 5000 --trace 17   # replay a failing seed
#
# TALLOWBY_SANITIZE_BUILD chooses the build folder (default build-sanitize).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${TALLOWBY_SANITIZE_BUILD:-$top/build-sanitize}
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DTALLOWBY_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$build" --target tallowby_monkey
[ $# -gt 0 ] || set -- --events 200000 1-5
exec "$build/tests/monkey/tallowby_monkey" "$@"
