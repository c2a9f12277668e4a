// SPDX-License-Identifier: GPL-3.0-or-later
// The real Platform: sound cues through Qt Multimedia, web addresses through
// the desktop's browser, the program's one random generator.
#pragma once

#include "app/forms/platform.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <map>
#include <memory>
#include <span>
#include <string_view>

class QSoundEffect;

namespace tallowby {

class QtPlatform : public QObject, public Platform {
  public:
    explicit QtPlatform(QObject* parent = nullptr);
    ~QtPlatform() override;

    // Loads these cue files ahead, so the first chime is not late. Finding
    // the audio output can take a while (long without a sound server), so
    // the program calls this once its first window is up.
    void preload(std::span<const std::string_view> files);
    // The same, at the first pointer move or key in any window: a child
    // reaches for the mouse well before the first click, and a menu left
    // untouched holds no sound engine.
    void preloadOnFirstInput(std::span<const std::string_view> files);

    void playSound(const std::string& path) override;
    void openAddress(const std::string& window, const std::string& address) override;
    float randomFraction() override { return random_.next(); }
    std::string programDirectory() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QSoundEffect* effect(const QString& path);

    std::span<const std::string_view> toPreload_;

    RandomSource random_;
    std::map<QString, QSoundEffect*> effects_; // owned as QObject children; nullptr: silent
    QSoundEffect* playing_ = nullptr;
};

// Whether a file is a whole WAV file: RIFF and WAVE, a format chunk, and all
// the sound data that its header promises. Qt's sound effect waits for ever
// for the rest of a cut-off file, and the program with it when it ends.
bool isWholeWave(const QString& path);

// The toolkit's messages about conditions that the game meets on purpose,
// silently: no sound server or no audio device.
bool isHandledCondition(QtMsgType type, const QMessageLogContext& context, const QString& message);

// Installs the program's message handler: it drops the messages above and
// hands every other one, a real fault, to the toolkit's own handler.
void quietenHandledConditions();

// Ends the program with this status once the game is over, without the
// toolkit's exit-time teardown: there Qt 6.4's sound engine drops its link
// to the sound server without holding its lock, and now and then libpulse
// aborts the program on the way out ("Assertion '!e->dead' failed"). A
// build with AddressSanitizer checks for leaks first, as its exit would.
[[noreturn]] void endProgram(int status);

} // namespace tallowby
