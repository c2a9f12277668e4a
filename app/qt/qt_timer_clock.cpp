// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_timer_clock.h"

namespace tallowby {

TickTime QtTimerClock::now() {
    return std::chrono::steady_clock::now().time_since_epoch();
}

void QtTimerClock::startTimer(TimerKey key, int periodMs) {
    stopTimer(key);
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, key] { fire(key); });
    const TickTime period = std::chrono::milliseconds(periodMs);
    arm(timers_[key] = {timer, period, now() + period, ++serial_});
}

void QtTimerClock::stopTimer(TimerKey key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) return;
    // The handler of this very timer may be running: delete it later.
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtTimerClock::arm(Entry& entry) {
    // Qt counts whole milliseconds; rounding up, no tick comes before its deadline.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(entry.due - now());
    entry.timer->start(std::max(wait, std::chrono::milliseconds(0)));
}

void QtTimerClock::fire(TimerKey key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) return;
    const unsigned serial = it->second.serial;
    if (forms_) forms_->timerFired(key);
    it = timers_.find(key);
    // Next deadline unless the handler stopped or restarted the timer.
    if (it == timers_.end() || it->second.serial != serial) return;
    Entry& entry = it->second;
    entry.due = nextTickDue(entry.due, entry.period, now());
    arm(entry);
}

} // namespace tallowby
