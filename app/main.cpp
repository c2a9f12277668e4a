// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: every window defined, the menu loaded and shown, the event loop.
#include "app/catalogue.h"
#include "app/qt/front_end.h"
#include "app/qt/qt_platform.h"
#include "app/qt/qt_timer_clock.h"
#include "app/windows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // Silent about the sound server, audio devices and cue files it copes with.
    tallowby::quietenHandledConditions();
    QApplication application(argc, argv);
    // Who we are to the desktop: the window class and the menu entry's name
    // (given by the build) group the windows under the menu entry and its icon.
    QApplication::setApplicationName("Tallowby");
    QApplication::setOrganizationName("The Tallowby team");
    QApplication::setOrganizationDomain("tallowby.example");
    QApplication::setDesktopFileName(TALLOWBY_APP_ID);
    // The game ends when its last window unloads, which the engine decides.
    QApplication::setQuitOnLastWindowClosed(false);

    // The large icon only where it shows: decoding it and handing it to the
    // window system took a sixth of the start-up.
    QIcon icon(QString::fromUtf8(tallowby::kIconResource.data(), tallowby::kIconResource.size()));
    if (application.devicePixelRatio() > 1.0)
        icon.addFile(QString::fromUtf8(tallowby::kIconResource2x.data(), tallowby::kIconResource2x.size()));
    QApplication::setWindowIcon(icon);

    tallowby::QtPlatform platform;
    tallowby::QtTimerClock clock;
    tallowby::Forms forms(platform, clock);
    clock.attach(forms);
    tallowby::defineAllWindows(forms);
    tallowby::FrontEnd frontEnd(forms);

    forms.start("main");
    // The menu first, the sounds once someone reaches for it.
    platform.preloadOnFirstInput(tallowby::cue::kAll);
    tallowby::endProgram(forms.ended() ? 0 : QApplication::exec());
}
