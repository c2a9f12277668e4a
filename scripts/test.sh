#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up and runs every test: the game's tests, the front end on
# the offscreen platform, the real program under Xvfb, then the game's core
# again under AddressSanitizer and UndefinedBehaviorSanitizer with a
# libFuzzer run of the number readings.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" -DTALLOWBY_BENCH=ON

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j2

echo "== core under AddressSanitizer and UndefinedBehaviorSanitizer =="
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$top/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DTALLOWBY_CORE_ONLY=ON -DTALLOWBY_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build "$top/build-sanitize"
ctest --test-dir "$top/build-sanitize" --output-on-failure -j2
