// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_timer_clock.h"

namespace tallowby {

QtTimerClock::~QtTimerClock() {
    for (auto& [key, entry] : timers_)
        delete entry.timer;
}

void QtTimerClock::startTimer(TimerKey key, int periodMs) {
    stopTimer(key);
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(periodMs);
    connect(timer, &QTimer::timeout, this, [this, key] { fire(key); });
    timers_[key] = {timer, ++serial_};
    timer->start();
}

void QtTimerClock::stopTimer(TimerKey key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) return;
    // The handler of this very timer may be running: delete it later.
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtTimerClock::fire(TimerKey key) {
    auto it = timers_.find(key);
    if (it == timers_.end()) return;
    const unsigned serial = it->second.serial;
    if (forms_) forms_->timerFired(key);
    it = timers_.find(key);
    // Re-arm unless the handler stopped or restarted it.
    if (it != timers_.end() && it->second.serial == serial) it->second.timer->start();
}

} // namespace tallowby
