// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the world outside it. The Qt front end provides
// the real one; tests use a recording one.
#pragma once

#include <string>

namespace tallowby {

class Platform {
  public:
    virtual ~Platform() = default;
    // Starts playing a WAV file and returns at once; a failure is silent.
    virtual void playSound(const std::string& path) = 0;
    // Opens a web address in the user's browser; never blocks, result ignored.
    virtual void openAddress(const std::string& window, const std::string& address) = 0;
    // Uniform in [0, 1), never 1.0; one generator for the whole program.
    virtual float randomFraction() = 0;
    // The folder that holds the program file.
    virtual std::string programDirectory() = 0;
};

// The program's one random generator: a fixed start, never reseeded, so every
// run draws the same sequence.
class RandomSource {
  public:
    float next();

  private:
    unsigned long long state_ = 0x7A110B1ull;
};

} // namespace tallowby
