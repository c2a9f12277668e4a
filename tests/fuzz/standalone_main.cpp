// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer (g++ builds), feed the fuzz target a fixed stream of
// generated texts so the same checks still run as an ordinary test.
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
    const char alphabet[] = " \t+-.0123456789eE x";
    std::uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1664525u + 1013904223u;
        std::string text;
        for (std::uint32_t n = (state >> 24) % 12; n > 0; --n) {
            state = state * 1664525u + 1013904223u;
            text += alphabet[(state >> 16) % (sizeof alphabet - 1)];
        }
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    }
    return 0;
}
