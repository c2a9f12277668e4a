// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt timer driver: each tick is due one period after the previous
// deadline, and a stall is followed by one tick, never by a burst.
#include "app/qt/qt_timer_clock.h"
#include "tests/fakes/recording_platform.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <thread>
#include <vector>

namespace tallowby {

using std::chrono::milliseconds;

class TimerClockTest : public QObject {
    Q_OBJECT

  private slots:
    void theNextTickIsDueAPeriodAfterTheLastDeadline_data() {
        QTest::addColumn<int>("due");
        QTest::addColumn<int>("now");
        QTest::addColumn<int>("next");
        // A 15 ms period throughout; times in milliseconds.
        QTest::newRow("a quick handler keeps the pace") << 15 << 16 << 30;
        QTest::newRow("a slow handler or a late wake-up does not stretch it") << 15 << 29 << 30;
        QTest::newRow("handled just at the next deadline") << 15 << 30 << 30;
        QTest::newRow("after a stall one tick comes at once") << 15 << 100 << 100;
        QTest::newRow("and the old pace follows it") << 100 << 101 << 115;
    }
    void theNextTickIsDueAPeriodAfterTheLastDeadline() {
        QFETCH(int, due);
        QFETCH(int, now);
        QFETCH(int, next);
        QCOMPARE(nextTickDue(milliseconds(due), milliseconds(15), milliseconds(now)),
                 TickTime(milliseconds(next)));
    }

    void aStalledHandlerIsFollowedByOneTickNotABurst() {
        FormDef f = window("ticker", "Ticker", 600, 600);
        f.widgets = {timer("t", 1)};
        QElapsedTimer clock;
        std::vector<qint64> ticks;
        qint64 stallEnded = 0;
        f.onTimer("t", [&](Forms&) {
            ticks.push_back(clock.nsecsElapsed());
            if (ticks.size() == 2) {
                // Ten periods missed.
                std::this_thread::sleep_for(milliseconds(150));
                stallEnded = clock.nsecsElapsed();
            }
        });
        testing::RecordingPlatform platform;
        QtTimerClock driver;
        Forms forms(platform, driver);
        driver.attach(forms);
        forms.define(f);
        clock.start();
        forms.start("ticker");
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 6, 5000);
        forms.unload("ticker");
        // However late the machine wakes us, the next tick after the one
        // that comes at once is a whole period later.
        const qint64 window = 14'000'000;
        const auto burst = std::count_if(
            ticks.begin(), ticks.end(), [&](qint64 t) { return t >= stallEnded && t < stallEnded + window; });
        QVERIFY2(burst <= 1, qPrintable(QString("%1 ticks right after the stall").arg(burst)));
    }
};

} // namespace tallowby

QTEST_GUILESS_MAIN(tallowby::TimerClockTest)
#include "timer_clock_test.moc"
