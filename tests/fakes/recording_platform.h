// SPDX-License-Identifier: GPL-3.0-or-later
// A Platform that plays nothing and opens nothing, but remembers both, and
// hands out scripted random values before falling back to the real generator.
#pragma once

#include "app/forms/platform.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace tallowby::testing {

class RecordingPlatform : public Platform {
  public:
    void playSound(const std::string& path) override { sounds.push_back(path); }
    void openAddress(const std::string& window, const std::string& address) override {
        addresses.emplace_back(window, address);
    }
    float randomFraction() override {
        ++randomDraws;
        if (!scripted.empty()) {
            float r = scripted.front();
            scripted.pop_front();
            return r;
        }
        return generator.next();
    }
    std::string programDirectory() override { return "/opt/tallowby"; }

    std::vector<std::string> sounds; // full paths, in the order played
    std::vector<std::pair<std::string, std::string>> addresses;
    std::deque<float> scripted;
    int randomDraws = 0;
    RandomSource generator;
};

} // namespace tallowby::testing
