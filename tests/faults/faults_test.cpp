// SPDX-License-Identifier: GPL-3.0-or-later
// Faults from outside the game, survived: broken or missing sound files,
// no sound server, no browser or one that fails or hangs, and the window
// manager closing a window in the middle of a drag or a slide. Each case
// plays the same game as a run without the fault and compares the whole
// state of every window after every step. Nothing may hang: the platform is
// destroyed at the end of each case, as at the end of the program.
//
// ctest runs this twice: without any sound server, and beside a private one
// (with_sound_server.sh), where the cue files really are loaded.
#include "app/catalogue.h"
#include "app/qt/form_window.h"
#include "app/qt/front_end.h"
#include "app/qt/qt_platform.h"
#include "app/windows.h"
#include "tests/fakes/recording_platform.h"
#include "tests/harness/virtual_clock.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace tallowby {
namespace {

// The real platform, with its cue files taken from a folder of the test's.
class CuesFrom : public QtPlatform {
  public:
    explicit CuesFrom(QString dir) : dir_(std::move(dir)) {}
    std::string programDirectory() override { return dir_.toStdString(); }

  private:
    QString dir_;
};

// Everything the game holds: which windows are loaded and shown, in which
// order, and every widget's state.
std::string stateOf(const Forms& app) {
    std::ostringstream s;
    s << "ended " << app.ended() << "; front to back:";
    for (const auto& name : app.visibleFrontToBack())
        s << ' ' << name;
    for (const auto& name : app.loadedNames()) {
        const Form& f = *app.find(name);
        s << "\n" << name << " \"" << f.caption() << "\" visible " << f.visible();
        for (const WidgetState& w : f.widgets()) {
            s << "\n  " << w.def->name << ' ' << w.rect.left << ',' << w.rect.top << ' ' << w.rect.width
              << 'x' << w.rect.height << (w.visible ? " shown" : " hidden") << " \"" << w.text << '"';
            for (const auto& item : w.items)
                s << " [" << item << ']';
            if (w.def->kind == WidgetKind::Timer) s << (w.enabled ? " on" : " off");
        }
    }
    return s.str();
}

// The game with the program's windows on a virtual clock, and a child's
// hand that clicks and drags by widget name.
struct Game {
    // With windows, the front end shows every window as the program does.
    explicit Game(Platform& platform, bool withWindows = false) : app(platform, clock) {
        clock.attach(app);
        defineAllWindows(app);
        if (withWindows) frontEnd = std::make_unique<FrontEnd>(app);
        app.start("main");
    }
    FormWindow* window(const std::string& form) { return frontEnd->window(form); }
    Point pointOn(const std::string& form, const std::string& widget) {
        Form& f = app.form(form);
        std::optional<Point> p = app.reachablePoint(f, f.indexOf(widget));
        if (!p) throw std::logic_error(form + "." + widget + " cannot be reached");
        return *p;
    }
    void click(const std::string& form, const std::string& widget) {
        Point p = pointOn(form, widget);
        app.pointerPress(form, kLeft, false, p.x, p.y);
        app.pointerRelease(form, kLeft, false, p.x, p.y);
    }
    void dragTo(const std::string& form, const std::string& widget, float left, float top) {
        Point p = pointOn(form, widget);
        const Form& f = app.form(form);
        const Rect r = f.widgets()[f.indexOf(widget)].rect;
        app.pointerPress(form, kLeft, false, p.x, p.y);
        app.pointerMove(form, kLeft, false, left + p.x - r.left, top + p.y - r.top);
        app.pointerRelease(form, kLeft, false, left + p.x - r.left, top + p.y - r.top);
    }
    void openActivity(const char* bar) {
        click("main", bar);
        clock.advance(71 * kFastestTickMs);
    }

    testing::VirtualClock clock;
    Forms app;
    std::unique_ptr<FrontEnd> frontEnd;
};

// A play that sounds every cue and opens every address: a Number Matching
// round, a whole ordering board with its reveal, About's two links, EXIT.
std::vector<std::string> playEverything(Platform& platform) {
    Game g(platform);
    std::vector<std::string> states;
    auto step = [&] { states.push_back(stateOf(g.app)); };
    g.openActivity("Image3");
    step();
    for (int answer = 0; answer < 5; ++answer) {
        const std::string asked = g.app.form("nummatch").textField("picktxt").text();
        g.click("nummatch", "dot" + asked);
        step();
    }
    g.click("levelup", "Image4");
    g.openActivity("Image4");
    step();
    for (int n = 1; n <= 10; ++n) {
        static const char* numerals[] = {"oneimg", "twoimg",   "threeimg", "fourimg", "fiveimg",
                                         "siximg", "sevenimg", "eightimg", "nineimg", "tenimg"};
        g.dragTo("MissingNum", numerals[n - 1], 400.0f + 840.0f * static_cast<float>(n - 1), 4000);
        step();
    }
    g.click("MissingNum", "Image12");
    g.clock.advance(3000);
    step();
    g.click("MissingNum", "Image14");
    g.click("main", "Image6");
    g.click("About", "Label1");
    g.click("About", "Label2");
    step();
    g.click("About", "Image2");
    g.click("main", "Image2");
    step();
    return states;
}

// Runs the play on a fresh platform and ends it as the program ends.
std::vector<std::string> playEverythingFrom(const QString& cueDir) {
    auto platform = std::make_unique<CuesFrom>(cueDir);
    platform->preload(cue::kAll);
    std::vector<std::string> states = playEverything(*platform);
    platform.reset(); // a cue that never finishes loading would hang here
    return states;
}

void copyCues(const QString& to) {
    for (std::string_view file : cue::kAll) {
        const QString name = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
        QFile::copy(QStringLiteral(TALLOWBY_SOUNDS_DIR "/") + name, to + "/" + name);
    }
}

// The messages that the program's handler passes on, and QtTest's own handler.
QStringList passedOn;
QtMessageHandler testlibHandler = nullptr;
void recordPassedOn(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    passedOn << message;
    testlibHandler(type, context, message);
}

// Standard error of this process, caught into a file while alive.
class CaughtStderr {
  public:
    CaughtStderr() : file_(QDir::tempPath() + "/tallowby-stderr-XXXXXX") {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(2);
        dup2(file_.handle(), 2);
    }
    ~CaughtStderr() { restore(); }
    QByteArray text() {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

  private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace

class FaultsTest : public QObject {
    Q_OBJECT

    QTemporaryDir goodCues;
    std::vector<std::string> unharmed;
    QByteArray savedPath;

  private slots:
    void initTestCase() {
        // What the program's handler passes on is recorded, then printed as QtTest prints.
        testlibHandler = qInstallMessageHandler(recordPassedOn);
        quietenHandledConditions();
        const bool serverExpected = qEnvironmentVariable("TALLOWBY_TEST_SOUND") == "server";
        qInfo("%s", serverExpected ? "beside a sound server" : "without a sound server");
        QCOMPARE(!QMediaDevices::audioOutputs().isEmpty(), serverExpected);
        copyCues(goodCues.path());
        savedPath = qgetenv("PATH");
        qputenv("BROWSER", "true"); // the unharmed run opens its addresses with a no-op
        unharmed = playEverythingFrom(goodCues.path());
        QCOMPARE(unharmed.back().substr(0, 7), std::string("ended 1"));
    }
    void init() { passedOn.clear(); }
    void cleanup() {
        qputenv("PATH", savedPath);
        qputenv("BROWSER", "true");
    }

    void aBrokenCueFileChangesNothingAndHangsNothing_data() {
        QTest::addColumn<QString>("cue");
        QTest::addColumn<QString>("fault");
        for (std::string_view file : cue::kAll)
            for (const char* fault :
                 {"missing", "empty", "cut in its header", "cut in its sound", "not a WAV"}) {
                const QString cue = QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
                QTest::addRow("%s %s", qPrintable(cue), fault) << cue << QString(fault);
            }
    }
    void aBrokenCueFileChangesNothingAndHangsNothing() {
        QFETCH(QString, cue);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        copyCues(dir.path());
        QFile file(dir.path() + "/" + cue);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray whole = file.readAll();
        file.resize(0);
        if (fault == "missing") file.remove();
        if (fault == "cut in its header") file.write(whole.left(30));
        if (fault == "cut in its sound") file.write(whole.left(whole.size() / 2));
        if (fault == "not a WAV") file.write("This is a note, not a sound.\n");
        file.close();
        QVERIFY(!isWholeWave(dir.path() + "/" + cue));
        CaughtStderr err;
        const std::vector<std::string> states = playEverythingFrom(dir.path());
        QCOMPARE(err.text(), QByteArray());
        QCOMPARE(passedOn, QStringList());
        QCOMPARE(states, unharmed);
    }

    // The conditions the game meets on purpose pass in silence; anything
    // else, a real fault, still reaches the toolkit's handler, in every build.
    void onlyTheHandledConditionsAreSilenced() {
        qWarning("PulseAudioService: pa_context_connect() failed");
        qWarning("No audio device detected");
        qWarning("QSoundEffect(qaudio): Error decoding source file:/opt/tallowby/dong.wav");
        qWarning("QPixmap::scaled: Pixmap is a null pixmap");
        qCritical("No audio device detected");
        QCOMPARE(passedOn,
                 QStringList({"QPixmap::scaled: Pixmap is a null pixmap", "No audio device detected"}));
    }

    void theWholeCuesAreWhole() {
        for (std::string_view file : cue::kAll)
            QVERIFY(isWholeWave(goodCues.path() + "/" + QString::fromUtf8(file.data(), file.size())));
    }

    void aMissingFailingOrHangingBrowserChangesNothingAndHoldsNothing_data() {
        QTest::addColumn<QString>("opener"); // the xdg-open on the PATH, "" for none
        QTest::newRow("no browser at all") << QString();
        QTest::newRow("xdg-open fails") << QString("echo 'no method to open' >&2; exit 3");
        QTest::newRow("xdg-open hangs") << QString("exec /bin/sleep 60");
    }
    void aMissingFailingOrHangingBrowserChangesNothingAndHoldsNothing() {
        QFETCH(QString, opener);
        QTemporaryDir bin;
        const QString calls = bin.path() + "/calls";
        if (!opener.isEmpty()) {
            QFile script(bin.path() + "/xdg-open");
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QString("#!/bin/sh\necho \"$$ $1\" >> '%1'\n%2\n").arg(calls, opener).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", bin.path().toUtf8());
        qunsetenv("BROWSER");
        CaughtStderr err;
        const std::vector<std::string> states = playEverythingFrom(goodCues.path());
        QCOMPARE(states, unharmed);
        if (!opener.isEmpty()) {
            // All three addresses went to the opener, each in a process of its own.
            QTRY_COMPARE_WITH_TIMEOUT(readCalls(calls).size(), 3, 5000);
            for (const QString& line : readCalls(calls)) {
                const pid_t pid = line.section(' ', 0, 0).toInt();
                // The game played on to its end while a hanging opener still hangs.
                if (opener.contains("sleep")) QCOMPARE(::kill(pid, 0), 0);
                ::kill(pid, SIGTERM);
            }
        }
        QCOMPARE(err.text(), QByteArray());
        QCOMPARE(passedOn, QStringList());
    }

    // The window manager's close box while the board's numeral 1 is held
    // and moving: afterwards the game is as if the board had been closed
    // with nothing held. The release comes over the menu, where the pointer
    // is then, and the child goes on: the board again, a numeral placed,
    // About from the menu with real clicks.
    void closingTheBoardDuringADragLeavesNothingHeld() {
        auto play = [](bool dragging) {
            testing::RecordingPlatform platform;
            Game g(platform, true);
            g.openActivity("Image4");
            FormWindow* board = g.window("MissingNum");
            if (dragging) {
                const QPoint at = pixelsOf(g.pointOn("MissingNum", "oneimg"));
                send(board, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
                send(board, QEvent::MouseMove, at + QPoint(40, 90), Qt::NoButton, Qt::LeftButton);
            }
            board->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (dragging)
                send(g.window("main"), QEvent::MouseButtonRelease, QPoint(80, 80), Qt::LeftButton,
                     Qt::NoButton);
            g.openActivity("Image4");
            g.dragTo("MissingNum", "oneimg", 400, 4000);
            g.click("MissingNum", "Image14");
            realClick(g.window("main"), pixelsOf(g.pointOn("main", "Image6")));
            return stateOf(g.app);
        };
        const std::string closedMidDrag = play(true);
        QCOMPARE(closedMidDrag, play(false));
        QVERIFY(closedMidDrag.find("\nAbout ") != std::string::npos);
    }

    // The menu closed by the window manager while a bar slides, with and
    // without another window open: the slide is abandoned, its activity
    // never opens, and the state is that of closing the idle menu.
    void closingTheMenuDuringASlideOpensNothing_data() {
        QTest::addColumn<bool>("matchingOpen");
        QTest::newRow("with Number Matching open") << true;
        QTest::newRow("the menu alone, so the program ends") << false;
    }
    void closingTheMenuDuringASlideOpensNothing() {
        QFETCH(bool, matchingOpen);
        auto play = [matchingOpen](bool sliding) {
            testing::RecordingPlatform platform;
            Game g(platform, true);
            if (matchingOpen) g.openActivity("Image3");
            if (sliding) {
                realClick(g.window("main"), pixelsOf(g.pointOn("main", "Image5")));
                g.clock.advance(20 * kFastestTickMs);
            }
            g.window("main")->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            g.clock.advance(5000);
            return stateOf(g.app) + "\ntimers running " + std::to_string(g.clock.runningCount());
        };
        const std::string closedMidSlide = play(true);
        QCOMPARE(closedMidSlide, play(false));
        QCOMPARE(closedMidSlide.substr(0, 7), std::string(matchingOpen ? "ended 0" : "ended 1"));
    }

  private:
    static QPoint pixelsOf(Point twips) {
        return {static_cast<int>(twips.x) / 15, static_cast<int>(twips.y) / 15};
    }
    static void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    static void realClick(QWidget* w, QPoint at) {
        send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    static QStringList readCalls(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
};

} // namespace tallowby

QTEST_MAIN(tallowby::FaultsTest)
#include "faults_test.moc"
