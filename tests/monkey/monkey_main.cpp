// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the monkey over one or more seeds, checking every invariant after
// every event, and prints how far each seed's play reached.
//
//   tallowby_monkey [--events N] [--trace] SEED...     SEED is a number or A-B
//
// A failure names its seed and event; the same command with that seed and
// --trace replays it event by event.
#include "invariants.h"
#include "monkey.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <string>
#include <vector>

namespace {

using tallowby::testing::Monkey;
using tallowby::testing::MonkeyFigures;

constexpr std::size_t kTraceKept = 40;

struct Options {
    long long events = 200000;
    bool trace = false;
    std::vector<unsigned long long> seeds;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: tallowby_monkey [--events N] [--trace] SEED...   (SEED: N or A-B)\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--events" && i + 1 < argc) {
            o.events = std::atoll(argv[++i]);
        } else if (arg == "--trace") {
            o.trace = true;
        } else if (!arg.empty() && arg[0] >= '0' && arg[0] <= '9') {
            const auto dash = arg.find('-');
            const unsigned long long first = std::strtoull(arg.c_str(), nullptr, 10);
            const unsigned long long last =
                dash == std::string::npos ? first : std::strtoull(arg.c_str() + dash + 1, nullptr, 10);
            for (unsigned long long s = first; s <= last; ++s)
                o.seeds.push_back(s);
        } else {
            usage();
        }
    }
    if (o.seeds.empty() || o.events <= 0) usage();
    return o;
}

void printFigures(unsigned long long seed, const MonkeyFigures& f, double seconds) {
    std::printf("seed %llu: %lld events in %.1f s, %lld games, %lld EXIT, %lld close boxes, %.1f h of play, "
                "%lld addresses opened\n  loads:",
                seed, f.events, seconds, f.games, f.exits, f.closeBoxes,
                static_cast<double>(f.virtualMs) / 3.6e6, f.addresses);
    for (const auto& [window, count] : f.loads)
        std::printf(" %s %lld", window.c_str(), count);
    std::printf("\n  cues:");
    for (const auto& [cue, count] : f.cues)
        std::printf(" %s %lld", cue.c_str(), count);
    std::printf("\n");
}

// Plays one seed; false after printing the first broken invariant.
bool play(unsigned long long seed, const Options& o) {
    const auto start = std::chrono::steady_clock::now();
    Monkey monkey(seed);
    std::deque<std::string> recent;
    for (long long event = 1; event <= o.events; ++event) {
        std::vector<std::string> broken;
        std::string line;
        try {
            line = monkey.step();
            broken = tallowby::testing::brokenInvariants(monkey.game().app);
        } catch (const std::exception& e) {
            broken.push_back(std::string("exception: ") + e.what());
        }
        if (o.trace) std::printf("%lld %s\n", event, line.c_str());
        recent.push_back(std::to_string(event) + " " + line);
        if (recent.size() > kTraceKept) recent.pop_front();
        if (broken.empty()) continue;
        std::printf("FAIL seed %llu, event %lld:\n", seed, event);
        for (const auto& b : broken)
            std::printf("  %s\n", b.c_str());
        std::printf("last events:\n");
        for (const auto& r : recent)
            std::printf("  %s\n", r.c_str());
        std::printf("replay: tallowby_monkey --events %lld --trace %llu\n", event, seed);
        return false;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    printFigures(seed, monkey.figures(), took.count());
    std::fflush(stdout); // one seed's figures as soon as they stand, also into a file
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = parse(argc, argv);
    int passed = 0, failed = 0;
    for (unsigned long long seed : o.seeds)
        (play(seed, o) ? passed : failed)++;
    std::printf("monkey: %lld events per seed, %d seeds passed, %d failed\n", o.events, passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}
