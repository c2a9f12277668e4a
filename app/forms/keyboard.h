// SPDX-License-Identifier: GPL-3.0-or-later
// Playing by keyboard: a focus that moves among the widgets a child can act
// on, and keys turned into exactly the mouse events a careful hand would
// make at the focused widget, sent through the engine's normal dispatch. No
// handler knows whether a key or the mouse moved it.
#pragma once

#include "forms.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tallowby {

enum class Key { Tab, Enter, Space, Left, Right, Up, Down };

// Where the keyboard focus of one window is, as the front end draws it.
struct FocusView {
    int widget = -1;          // index in the window's table, -1 for none
    std::optional<Rect> ring; // drawn only once a key has been pressed
    friend bool operator==(const FocusView&, const FocusView&) = default;
};

class KeyboardObserver {
  public:
    virtual ~KeyboardObserver() = default;
    // The focused widget or its ring changed; `before` is what was drawn.
    virtual void focusChanged(const Form& form, const FocusView& before) = 0;
};

class Keyboard : public FormsObserver {
  public:
    // A pointer step while a picture is held: 15 pixels, or 1 with Shift.
    static constexpr float kStep = 225;
    static constexpr float kFineStep = 15;

    explicit Keyboard(Forms& forms);
    ~Keyboard() override;
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    void setObserver(KeyboardObserver* observer) { observer_ = observer; }

    // A key pressed while the window `form` has the keyboard.
    void keyPressed(const std::string& form, Key key, bool shift);
    // A screen reader's press action: the focus goes to the widget, which
    // is clicked as by Enter. Widgets outside the focus order are left alone.
    void press(const std::string& form, int widget);
    // The real mouse went down: a held picture is let go where it is, and
    // the ring hides so that mouse play looks as it always did.
    void mouseUsed();

    // The widgets of a window that can take the focus, top to bottom, then
    // left to right: shown, with a click, press or release handler, and
    // reachable by the pointer.
    std::vector<int> focusOrder(const Form& form) const;
    FocusView focus(const Form& form) const;
    bool holding() const { return hold_.has_value(); }

  private:
    void eventHandled() override;
    void formUnloaded(const Form& form) override;

    struct Focus {
        int widget = -1;
        Rect at; // where it stood when last seen, to find its successor when it goes
        FocusView drawn;
    };
    struct Hold {
        std::uint64_t form;
        std::string formName;
        int widget;
        float x, y; // the pointer, in twips in the window
    };

    void step(Form& form, Focus& focus, int direction);
    void activate(Form& form, Focus& focus, Key key, bool shift);
    void held(Key key, bool shift);
    void follow(Form& form, Focus& focus) const;
    void refresh();
    bool draggable(const Form& form, int widget) const;

    Forms& forms_;
    KeyboardObserver* observer_ = nullptr;
    std::map<std::uint64_t, Focus> focus_; // by window id
    std::optional<Hold> hold_;
    bool ringShown_ = false;
    bool handling_ = false;
};

} // namespace tallowby
