// SPDX-License-Identifier: GPL-3.0-or-later
// One single-shot QTimer per running window timer, re-armed only after its
// tick has been handled, so a slow tick is never followed by a burst.
#pragma once

#include "app/forms/forms.h"

#include <QObject>
#include <QTimer>

#include <map>

namespace tallowby {

class QtTimerClock : public QObject, public TimerClock {
  public:
    using QObject::QObject;
    ~QtTimerClock() override;
    void attach(Forms& forms) { forms_ = &forms; }
    void startTimer(TimerKey key, int periodMs) override;
    void stopTimer(TimerKey key) override;

  private:
    struct Entry {
        QTimer* timer;
        unsigned serial;
    };
    void fire(TimerKey key);

    Forms* forms_ = nullptr;
    std::map<TimerKey, Entry> timers_;
    unsigned serial_ = 0;
};

} // namespace tallowby
