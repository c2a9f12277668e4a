// SPDX-License-Identifier: GPL-3.0-or-later
// Decoded pictures are kept while a loaded window shows them, also across a
// window reloading itself, and let go once no loaded window shows them.
#include "app/qt/form_window.h"
#include "app/qt/front_end.h"
#include "app/qt/qt_timer_clock.h"
#include "tests/fakes/recording_platform.h"

#include <QApplication>
#include <QTest>

#include <memory>

namespace tallowby {

class PictureCacheTest : public QObject {
    Q_OBJECT

    testing::RecordingPlatform platform;
    QtTimerClock clock;
    std::unique_ptr<Forms> game;
    std::unique_ptr<FrontEnd> frontEnd;

    // Drawn, so that its pictures are decoded.
    void draw(const std::string& name) {
        QTRY_VERIFY(frontEnd->window(name));
        frontEnd->window(name)->grab();
    }
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    PictureCache& pictures() { return frontEnd->pictures(); }

  private slots:
    void init() {
        FormDef menu = window("menu", "Menu", 4800, 480);
        menu.widgets = {picture("bar", 0, 0, 4800, 480, "main.Image3")};
        FormDef board = window("board", "Board", 4800, 960);
        board.widgets = {picture("again", 0, 0, 4800, 480, "main.Image4"),
                         picture("shared", 0, 480, 4800, 480, "main.Image3")};
        board.onClick("again", [](Forms& app) {
            app.unload("board");
            app.show("board");
        });
        game = std::make_unique<Forms>(platform, clock);
        game->define(menu);
        game->define(board);
        frontEnd = std::make_unique<FrontEnd>(*game);
        game->start("menu");
        game->show("board");
        draw("menu");
        draw("board");
    }
    void cleanup() {
        frontEnd.reset();
        game.reset();
        settle();
    }

    void aWindowThatReloadsItselfKeepsItsPicturesDecoded() {
        const qint64 before = pictures().pixmap("main.Image4", 1.0).cacheKey();
        game->pointerPress("board", kLeft, false, 100, 100);
        game->pointerRelease("board", kLeft, false, 100, 100);
        settle();
        draw("board");
        QCOMPARE(pictures().pixmap("main.Image4", 1.0).cacheKey(), before);
    }

    void theLastWindowShowingAPictureLetsItGoWhenItUnloads() {
        QVERIFY(pictures().holds("main.Image4"));
        game->unload("board");
        settle();
        QVERIFY(!pictures().holds("main.Image4"));
        QVERIFY(pictures().holds("main.Image3")); // the menu still shows it
        game->show("board");
        draw("board");
        QVERIFY(!pictures().pixmap("main.Image4", 1.0).isNull()); // decoded again
    }
};

} // namespace tallowby

QTEST_MAIN(tallowby::PictureCacheTest)
#include "picture_cache_test.moc"
