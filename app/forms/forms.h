// SPDX-License-Identifier: GPL-3.0-or-later
// The set of windows: definitions, the loaded ones in load order, the visible
// ones front to back, input dispatch (hit test, capture, click), timers and
// the end of the program.
#pragma once

#include "form.h"
#include "platform.h"

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

// The fastest tick period: a smaller Interval runs at this rate.
constexpr int kFastestTickMs = 15;
constexpr int tickPeriod(int interval) {
    return interval < kFastestTickMs ? kFastestTickMs : interval;
}

struct TimerKey {
    std::uint64_t form = 0;
    int widget = 0;
    friend auto operator<=>(const TimerKey&, const TimerKey&) = default;
};

// Where ticks come from: a virtual clock in tests, QTimers in the program.
// A started timer fires once per period, each tick due one period after the
// previous deadline, so slow handlers do not stretch the pace; a late tick is
// never followed by a burst of the ticks it missed.
class TimerClock {
  public:
    virtual ~TimerClock() = default;
    virtual void startTimer(TimerKey key, int periodMs) = 0;
    virtual void stopTimer(TimerKey key) = 0;
};

// What the front end hears about, so that it repaints only what changed.
class FormsObserver {
  public:
    virtual ~FormsObserver() = default;
    virtual void formLoaded(const Form&) {}
    virtual void formShown(const Form&) {} // made visible and brought to the front
    virtual void formUnloaded(const Form&) {}
    virtual void captionChanged(const Form&) {}
    // Rectangle, visibility, caption or picture of widget index changed.
    virtual void widgetChanged(const Form&, int /*index*/, const Rect& /*before*/) {}
    // An outside event (input, tick, close box) has been handled to its end.
    virtual void eventHandled() {}
    virtual void programEnded() {}
};

class Forms {
  public:
    Forms(Platform& platform, TimerClock& clock);
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    void define(FormDef def);
    const FormDef* definition(const std::string& name) const;
    std::vector<const FormDef*> definitions() const;

    // Loads and shows the first window.
    void start(const std::string& name);

    // Touch: the loaded window, loaded hidden first when it is not.
    Form& form(const std::string& name);
    Form* find(const std::string& name); // loaded window or nullptr, no touch
    const Form* find(const std::string& name) const;
    Form* findById(std::uint64_t id); // this very load of a window, or nullptr
    bool isLoaded(const std::string& name) const { return find(name) != nullptr; }
    void show(const std::string& name);
    void unload(const std::string& name);
    std::vector<std::string> loadedNames() const;
    std::vector<std::string> visibleFrontToBack() const;
    bool ended() const { return ended_; }

    // Input from the toolkit, positions in twips relative to the client area.
    void pointerPress(const std::string& form, int button, bool shift, float x, float y);
    void pointerMove(const std::string& form, int buttons, bool shift, float x, float y);
    void pointerRelease(const std::string& form, int button, bool shift, float x, float y);
    void closeBox(const std::string& form);
    void activated(const std::string& form); // the user brought a window forward
    void timerFired(TimerKey key);

    // Frontmost widget that takes the pointer at (x, y), or -1.
    int hitTest(const Form& form, float x, float y) const;
    // A point where the pointer reaches the widget: the centre of its part
    // inside the client area when nothing covers it, else a point of a grid
    // over that part; none when hidden, parked or covered all over.
    std::optional<Point> reachablePoint(const Form& form, int index) const;

    // Services for handlers.
    void playCue(std::string_view fileName);
    void openAddress(const std::string& window, const std::string& address);
    float randomFraction() { return platform_.randomFraction(); }
    // Strict reading; a non-number is a caller fault, recorded, read as 0.
    double readStrict(std::string_view text);
    void callerFault(std::string what);
    const std::vector<std::string>& faults() const { return faults_; }

    void addObserver(FormsObserver* observer);
    void removeObserver(FormsObserver* observer);

  private:
    friend class Form;
    friend class Timer;
    template <typename Fn> void dispatch(Fn&& fn);
    void settle();
    Form& load(const FormDef& def);
    // Re-arms or stops the clock for a timer whose Enabled or Interval changed.
    void timerChanged(Form& form, int index);
    void deliverMouse(Form& form, int index, MouseHandler WidgetDef::*event, int button, bool shift, float x,
                      float y);
    template <typename Fn> void notify(Fn&& fn) {
        for (FormsObserver* o : observers_)
            fn(*o);
    }

    Platform& platform_;
    TimerClock& clock_;
    std::vector<std::unique_ptr<FormDef>> definitions_;
    std::vector<std::unique_ptr<Form>> loaded_;    // in load order
    std::vector<std::uint64_t> zOrder_;            // visible windows, front first
    std::vector<std::unique_ptr<Form>> graveyard_; // unloaded while a handler may still use them
    std::vector<FormsObserver*> observers_;
    std::vector<std::string> faults_;
    std::uint64_t nextId_ = 1;
    int depth_ = 0;
    bool ended_ = false;

    struct Capture {
        std::uint64_t form = 0;
        int widget = -1;
        int buttons = 0;
    };
    std::optional<Capture> capture_;
    std::optional<Capture> clickTarget_; // where the left button went down
};

} // namespace tallowby
