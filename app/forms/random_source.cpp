// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

namespace tallowby {

float RandomSource::next() {
    // splitmix64; the top 24 bits over 2^24 are exact in single precision and
    // stay below 1.0.
    state_ += 0x9E3779B97F4A7C15ull;
    unsigned long long z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) / 16777216.0f;
}

} // namespace tallowby
