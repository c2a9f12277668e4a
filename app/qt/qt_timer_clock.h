// SPDX-License-Identifier: GPL-3.0-or-later
// The window timers' ticks from Qt: one precise single-shot QTimer per
// running window timer, armed for each tick's deadline in turn.
#pragma once

#include "app/forms/forms.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <map>

namespace tallowby {

using TickTime = std::chrono::nanoseconds;

// When the tick after the one due at `due` is due, asked once that tick has
// been handled at `now`: one period after the previous deadline, so neither
// the handler nor a late wake-up stretches the pace; never in the past, so
// after a stall comes one tick at once and then the old pace, not a burst of
// the ticks that were missed.
constexpr TickTime nextTickDue(TickTime due, TickTime period, TickTime now) {
    return std::max(due + period, now);
}

class QtTimerClock : public QObject, public TimerClock {
  public:
    using QObject::QObject;
    void attach(Forms& forms) { forms_ = &forms; }
    void startTimer(TimerKey key, int periodMs) override;
    void stopTimer(TimerKey key) override;

  private:
    struct Entry {
        QTimer* timer; // a child of ours
        TickTime period;
        TickTime due;
        unsigned serial;
    };
    static TickTime now();
    void arm(Entry& entry);
    void fire(TimerKey key);

    Forms* forms_ = nullptr;
    std::map<TimerKey, Entry> timers_;
    unsigned serial_ = 0;
};

} // namespace tallowby
