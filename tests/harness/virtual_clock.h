// SPDX-License-Identifier: GPL-3.0-or-later
// Timers on virtual time: advance() fires due ticks in time order. Handlers
// take no virtual time, so each next tick is due one period after the last
// deadline, as the real driver schedules it.
#pragma once

#include "app/forms/forms.h"

#include <map>

namespace tallowby::testing {

class VirtualClock : public TimerClock {
  public:
    void attach(Forms& forms) { forms_ = &forms; }
    void startTimer(TimerKey key, int periodMs) override {
        timers_[key] = {periodMs, now_ + periodMs, ++serial_};
    }
    void stopTimer(TimerKey key) override { timers_.erase(key); }

    void advance(long long ms) {
        const long long until = now_ + ms;
        for (;;) {
            auto next = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it)
                if (next == timers_.end() || it->second.due < next->second.due ||
                    (it->second.due == next->second.due && it->second.serial < next->second.serial))
                    next = it;
            if (next == timers_.end() || next->second.due > until) break;
            TimerKey key = next->first;
            now_ = next->second.due;
            long long serial = next->second.serial;
            forms_->timerFired(key);
            auto again = timers_.find(key);
            // Re-arm unless the handler stopped or restarted it.
            if (again != timers_.end() && again->second.serial == serial) {
                again->second.due = now_ + again->second.period;
                again->second.serial = ++serial_;
            }
        }
        now_ = until;
    }

    long long now() const { return now_; }
    bool running(TimerKey key) const { return timers_.count(key) != 0; }
    int runningCount() const { return static_cast<int>(timers_.size()); }

  private:
    struct Entry {
        int period;
        long long due;
        long long serial;
    };
    Forms* forms_ = nullptr;
    std::map<TimerKey, Entry> timers_;
    long long now_ = 0;
    long long serial_ = 0;
};

} // namespace tallowby::testing
