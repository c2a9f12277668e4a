// SPDX-License-Identifier: GPL-3.0-or-later
// The front end on the offscreen platform: what is painted where, input in
// twips with capture, and repainting only what changed.
#include "app/qt/form_window.h"
#include "app/qt/front_end.h"
#include "app/qt/qt_platform.h"
#include "app/qt/qt_timer_clock.h"
#include "app/windows.h"
#include "tests/fakes/recording_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>

#include <memory>

namespace tallowby {

namespace {

QPixmap solid(int w, int h, QColor colour) {
    QPixmap pm(w, h);
    pm.fill(colour);
    return pm;
}

// A picture whose left half is transparent, as a GIF's index 255 loads.
QPixmap halfTransparent(int w, int h, QColor colour) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.fillRect(w / 2, 0, w - w / 2, h, colour);
    p.end();
    return QPixmap::fromImage(img);
}

// Records the region of every paint event of one widget.
struct PaintSpy : QObject {
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

} // namespace

class FrontEndTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RecordingPlatform> platform;
    std::unique_ptr<QtTimerClock> clock;
    std::unique_ptr<Forms> forms;
    std::unique_ptr<FrontEnd> frontEnd;
    std::vector<std::string> log;

    FormDef board() {
        FormDef f = window("board", "Board", 3000, 1500); // 200 x 100 pixels
        f.widgets = {
            picture("lid", 300, 300, 300, 300, "test.clear"), // 20x20 px, left half transparent
            picture("token", 150, 150, 300, 300, "test.red"), // 20x20 px at (10, 10)
            picture("hidden", 1500, 150, 300, 300, "test.red"),
            picture("parked", 3000, 0, 300, 300, "test.red"),
            picture("stretched", 2250, 150, 600, 600, "test.red").stretched(),
            label("caption", 1500, 1050, 1500, 450, "Hello there").withColour(kWhite),
            picture("ground", 0, 0, 3000, 1500, "test.blue"),
        };
        f.onLoad([](Forms& app) { app.form("board").picture("hidden").setVisible(false); });
        auto record = [this](const char* what) {
            return [this, what](Forms&, const MouseArgs& m) {
                log.push_back(std::string(what) + " " + std::to_string(m.button) + " " +
                              std::to_string(int(m.x)) + "," + std::to_string(int(m.y)));
            };
        };
        f.onMouseDown("token", record("down"));
        f.onMouseMove("token", record("move"));
        f.onMouseUp("token", record("up"));
        f.onClick("token", [this](Forms&) { log.push_back("click"); });
        return f;
    }

    FormWindow* boardWindow() { return frontEnd->window("board"); }

    QImage shot() { return boardWindow()->grab().toImage(); }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), boardWindow()->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(boardWindow(), &e);
    }

  private slots:
    void init() {
        platform = std::make_unique<testing::RecordingPlatform>();
        clock = std::make_unique<QtTimerClock>();
        forms = std::make_unique<Forms>(*platform, *clock);
        clock->attach(*forms);
        forms->define(board());
        frontEnd = std::make_unique<FrontEnd>(*forms);
        frontEnd->pictures().insert("test.red", solid(20, 20, Qt::red));
        frontEnd->pictures().insert("test.blue", solid(200, 100, Qt::blue));
        frontEnd->pictures().insert("test.clear", halfTransparent(20, 20, Qt::green));
        forms->start("board");
        log.clear();
    }
    void cleanup() {
        frontEnd.reset();
        forms.reset();
        clock.reset();
    }

    void windowHasTheModelsCaptionAndFixedClientSize() {
        QVERIFY(boardWindow());
        QCOMPARE(boardWindow()->windowTitle(), QString("Board"));
        QCOMPARE(boardWindow()->size(), QSize(200, 100));
        QCOMPARE(boardWindow()->minimumSize(), boardWindow()->maximumSize());
        forms->form("board").setCaption("Renamed");
        QCOMPARE(boardWindow()->windowTitle(), QString("Renamed"));
    }

    void picturesArePaintedWhereTheModelSaysAndNotWhenHiddenOrParked() {
        QImage img = shot();
        QCOMPARE(img.pixelColor(12, 12), QColor(Qt::red));   // token
        QCOMPARE(img.pixelColor(29, 29), QColor(Qt::red));   // token's last pixel
        QCOMPARE(img.pixelColor(30, 12), QColor(Qt::blue));  // just right of it
        QCOMPARE(img.pixelColor(105, 15), QColor(Qt::blue)); // hidden picture not drawn
        QCOMPARE(img.pixelColor(199, 5), QColor(Qt::blue));  // parked one neither
        QCOMPARE(img.pixelColor(160, 20), QColor(Qt::red));  // stretched fills 40x40 from (150, 10)
        QCOMPARE(img.pixelColor(189, 49), QColor(Qt::red));
        forms->form("board").picture("token").move(1500, 600);
        img = shot();
        QCOMPARE(img.pixelColor(12, 12), QColor(Qt::blue));
        QCOMPARE(img.pixelColor(101, 41), QColor(Qt::red));
        forms->form("board").picture("token").move(3000, 600); // parked again
        QCOMPARE(shot().pixelColor(101, 41), QColor(Qt::blue));
    }

    void transparentPixelsShowWhatLiesBehind() {
        QImage img = shot();
        // lid lies in front of token: its transparent left half shows the red token behind.
        QCOMPARE(img.pixelColor(22, 25), QColor(Qt::red));
        QCOMPARE(img.pixelColor(32, 25), QColor(Qt::green));
        QCOMPARE(img.pixelColor(22, 35), QColor(Qt::blue)); // below token: the ground
    }

    void labelsDrawTheirTextTransparently() {
        QImage img = shot();
        int white = 0;
        for (int y = 70; y < 100; ++y)
            for (int x = 100; x < 200; ++x) {
                QColor c = img.pixelColor(x, y);
                QVERIFY2(c.red() == c.green(), "only white text over blue");
                if (c.red() > 160) ++white; // text, antialiased
            }
        QVERIFY(white > 20);
    }

    void aDragKeepsReachingThePressedPictureOutsideItsRectangle() {
        send(QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, {150, 90}, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, {160, 95}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
        send(QEvent::MouseButtonRelease, {150, 90}, Qt::LeftButton, Qt::NoButton);
        const std::vector<std::string> expected = {"down 1 75,75", "move 1 2100,1200", "move 3 2250,1275",
                                                   "up 1 2100,1200"};
        QCOMPARE(log, expected);
    }

    void aQuickSecondClickIsStillAClick() {
        send(QEvent::MouseButtonPress, {15, 15}, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, {15, 15}, Qt::LeftButton, Qt::NoButton);
        send(QEvent::MouseButtonDblClick, {15, 15}, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, {15, 15}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(std::count(log.begin(), log.end(), std::string("click")), 2);
    }

    void movingAPictureRepaintsOnlyItsOldAndNewRectangles() {
        boardWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(boardWindow()));
        QApplication::processEvents();
        PaintSpy spy;
        boardWindow()->installEventFilter(&spy);
        forms->form("board").picture("token").move(1500, 600); // (10,10) -> (100,40), 20x20
        QTRY_VERIFY(spy.paints > 0);
        QCOMPARE(spy.painted, QRegion(10, 10, 20, 20) + QRegion(100, 40, 20, 20));
        boardWindow()->removeEventFilter(&spy);
    }

    void theCloseBoxUnloadsTheFormAndEndsTheProgram() {
        boardWindow()->close();
        QVERIFY(!forms->isLoaded("board"));
        QVERIFY(forms->ended());
        QVERIFY(!frontEnd->window("board"));
    }

    void timersTickFromQtAndStopWithTheirWindow() {
        FormDef f = window("ticker", "Ticker", 600, 600);
        f.widgets = {timer("t", 1)};
        int ticks = 0;
        f.onTimer("t", [&](Forms&) { ++ticks; });
        forms->define(f);
        forms->show("ticker");
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 2000);
        forms->unload("ticker");
        const int atUnload = ticks;
        QTest::qWait(100);
        QCOMPARE(ticks, atUnload);
    }

    void aMissingChimeStillStartsTheSlideIntoTheActivity() {
        // The real platform: no cue files lie beside the test program.
        QtPlatform real;
        QVERIFY(!QFile::exists(QString::fromStdString(real.programDirectory()) + "/Chime.wav"));
        QtTimerClock realClock;
        Forms game(real, realClock);
        realClock.attach(game);
        defineAllWindows(game);
        FrontEnd screens(game);
        game.start("main");
        const WidgetState& bar = game.form("main").widgets()[game.form("main").indexOf("Image3")];
        const QPoint at = FormWindow::pixels(bar.rect).center();
        FormWindow* menu = screens.window("main");
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), menu->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), menu->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        QApplication::sendEvent(menu, &release);
        QTRY_VERIFY_WITH_TIMEOUT(game.isLoaded("nummatch"), 5000);
        QVERIFY(screens.window("nummatch")->isVisible());
    }

    void aMissingSoundFileIsSilentAndReturnsAtOnce() {
        QtPlatform real;
        QElapsedTimer t;
        t.start();
        real.playSound("/nonexistent/Chime.wav");
        real.playSound("/nonexistent/Chime.wav");
        QVERIFY(t.elapsed() < 2000); // a hang guard, not a speed target
    }
};

} // namespace tallowby

QTEST_MAIN(tallowby::FrontEndTest)
#include "front_end_test.moc"
