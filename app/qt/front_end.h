// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps one FormWindow per loaded form in step with the engine.
#pragma once

#include "app/forms/forms.h"
#include "app/forms/keyboard.h"
#include "picture_cache.h"

#include <QObject>
#include <QPointer>

#include <map>

namespace tallowby {

class FormWindow;

class FrontEnd : public FormsObserver, public KeyboardObserver {
  public:
    explicit FrontEnd(Forms& forms);
    ~FrontEnd() override;
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    // The window of a loaded form, or nullptr.
    FormWindow* window(const std::string& form) const;
    PictureCache& pictures() { return pictures_; }
    Keyboard& keyboard() { return keyboard_; }

    void formLoaded(const Form& form) override;
    void formShown(const Form& form) override;
    void formUnloaded(const Form& form) override;
    void captionChanged(const Form& form) override;
    void widgetChanged(const Form& form, int index, const Rect& before) override;
    void programEnded() override;
    void focusChanged(const Form& form, const FocusView& before) override;

  private:
    // Lets go of the pictures that no loaded window shows.
    void releaseUnusedPictures();

    Forms& forms_;
    PictureCache pictures_;
    Keyboard keyboard_;
    QObject context_; // queued calls to us die with us
    bool releaseQueued_ = false;
    struct Entry {
        QPointer<FormWindow> window;
        bool placed = false; // centred once per load
    };
    std::map<std::uint64_t, Entry> windows_;
};

} // namespace tallowby
