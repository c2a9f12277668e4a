// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard and the screen reader on the offscreen platform: keys reach
// the game, the focus ring is painted only after a key and outside the
// widget, and the accessible tree names what a child can act on.
#include "app/forms/keyboard.h"
#include "app/qt/form_window.h"
#include "app/qt/front_end.h"
#include "app/qt/qt_timer_clock.h"
#include "app/windows.h"
#include "tests/fakes/recording_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <memory>

namespace tallowby {

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::RecordingPlatform> platform;
    std::unique_ptr<QtTimerClock> clock;
    std::unique_ptr<Forms> forms;
    std::unique_ptr<FrontEnd> frontEnd;

    FormWindow* menu() { return frontEnd->window("main"); }
    QImage grab(FormWindow* w) { return w->grab().toImage(); }
    // The menu's "Number Matching" bar in pixels (Left 1800, Top 2880, 320 x 32).
    static QRect firstBar() { return QRect(120, 192, 320, 32); }

  private slots:
    void init() {
        platform = std::make_unique<testing::RecordingPlatform>();
        clock = std::make_unique<QtTimerClock>();
        forms = std::make_unique<Forms>(*platform, *clock);
        clock->attach(*forms);
        defineAllWindows(*forms);
        frontEnd = std::make_unique<FrontEnd>(*forms);
        forms->start("main");
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
    }
    void cleanup() {
        frontEnd.reset();
        forms.reset();
        clock.reset();
        platform.reset();
    }

    void theRingAppearsAfterAKeyOutsideTheWidgetAndTheMouseHidesIt() {
        const QImage before = grab(menu());
        QTest::keyClick(menu(), Qt::Key_Tab);
        const QImage ringed = grab(menu());
        const QRect bar = firstBar();
        // The bar itself is painted as before, the ring stands around it.
        QCOMPARE(ringed.copy(bar), before.copy(bar));
        QVERIFY(ringed.pixelColor(bar.left() - 1, bar.center().y()) !=
                before.pixelColor(bar.left() - 1, bar.center().y()));
        QCOMPARE(ringed.pixelColor(bar.left() - 1, bar.center().y()), QColor(Qt::white));
        QCOMPARE(ringed.pixelColor(bar.left() - 4, bar.center().y()), QColor(20, 24, 82));
        // A real mouse press (outside any bar) hides it again.
        QTest::mousePress(menu(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(menu(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(grab(menu()), before);
    }

    void tabMovesOnAndEnterClicksThroughTheGame() {
        QTest::keyClick(menu(), Qt::Key_Tab);
        QTest::keyClick(menu(), Qt::Key_Down);
        QTest::keyClick(menu(), Qt::Key_Backtab);
        const Form& main = *forms->find("main");
        QCOMPARE(frontEnd->keyboard().focus(main).widget, main.indexOf("Image3"));
        QTest::keyClick(menu(), Qt::Key_Return);
        QCOMPARE(platform->sounds.size(), std::size_t{1}); // the chime: the slide has begun
        QTRY_VERIFY_WITH_TIMEOUT(forms->isLoaded("nummatch"), 5000);
    }

    void theTreeNamesTheBarsAndButtonsAsButtonsInFocusOrder() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(menu());
        QVERIFY(window);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Tallowby - MATH - Numbers 1-10"));
        QStringList names;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* c = window->child(i);
            QCOMPARE(c->role(), QAccessible::Button);
            QCOMPARE(window->indexOfChild(c), i);
            QCOMPARE(c->parent(), window);
            names << c->text(QAccessible::Name);
        }
        QCOMPARE(names, (QStringList{"Number Matching", "Numbers Out Of Order", "Complete The Sequence",
                                     "Number Picking", "About", "EXIT"}));
        QAccessibleInterface* bar = window->child(0);
        QCOMPARE(bar->rect(), QRect(menu()->mapToGlobal(firstBar().topLeft()), firstBar().size()));
        QCOMPARE(window->childAt(bar->rect().center().x(), bar->rect().center().y()), bar);
        QVERIFY(!bar->state().focused);
        QTest::keyClick(menu(), Qt::Key_Tab);
        QVERIFY(bar->state().focused);
        QCOMPARE(window->focusChild(), bar);
    }

    void thePressActionClicksAndAboutsCreditsAreButtons() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(menu());
        QAccessibleInterface* about = window->child(4);
        QCOMPARE(about->text(QAccessible::Name), QString("About"));
        QAccessibleActionInterface* action = about->actionInterface();
        QVERIFY(action);
        QCOMPARE(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(forms->visibleFrontToBack().front(), std::string("About"));

        FormWindow* aboutWindow = frontEnd->window("About");
        QVERIFY(QTest::qWaitForWindowExposed(aboutWindow));
        QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(aboutWindow);
        // The two credits open their sites and EXIT closes: all three are buttons.
        QCOMPARE(panel->childCount(), 3);
        QVERIFY(panel->child(0)->text(QAccessible::Name).startsWith("For more educational software"));
        QCOMPARE(panel->child(2)->text(QAccessible::Name), QString("EXIT"));
    }

    void aWindowsLabelsAreReadAsText() {
        forms->show("message");
        FormWindow* message = frontEnd->window("message");
        QVERIFY(QTest::qWaitForWindowExposed(message));
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(message);
        QCOMPARE(w->childCount(), 2);
        QCOMPARE(w->child(0)->role(), QAccessible::Button);
        QCOMPARE(w->child(0)->text(QAccessible::Name), QString("Close"));
        QCOMPARE(w->child(1)->role(), QAccessible::StaticText);
        QVERIFY(w->child(1)->text(QAccessible::Name).startsWith("It looks like you haven't placed"));
        QVERIFY(!w->child(1)->actionInterface());
    }
};

} // namespace tallowby

QTEST_MAIN(tallowby::AccessibilityTest)
#include "accessibility_test.moc"
