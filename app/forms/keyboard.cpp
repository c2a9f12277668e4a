// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard.h"

#include <algorithm>

namespace tallowby {

Keyboard::Keyboard(Forms& forms) : forms_(forms) {
    forms_.addObserver(this);
}

Keyboard::~Keyboard() {
    forms_.removeObserver(this);
}

bool Keyboard::draggable(const Form& form, int widget) const {
    const WidgetDef& def = *form.widgets()[widget].def;
    return def.mouseDown && def.mouseMove;
}

std::vector<int> Keyboard::focusOrder(const Form& form) const {
    std::vector<int> order;
    const auto& widgets = form.widgets();
    for (int i = 0; i < static_cast<int>(widgets.size()); ++i) {
        const WidgetDef& def = *widgets[i].def;
        if (!def.click && !def.mouseDown && !def.mouseUp) continue;
        if (forms_.reachablePoint(form, i)) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Rect &ra = widgets[a].rect, &rb = widgets[b].rect;
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return order;
}

FocusView Keyboard::focus(const Form& form) const {
    auto it = focus_.find(form.id());
    if (it == focus_.end() || it->second.widget < 0) return {};
    FocusView view{it->second.widget, std::nullopt};
    if (ringShown_) view.ring = form.widgets()[view.widget].rect;
    return view;
}

// A focused widget that the game hid, parked or covered hands the focus to
// the one that follows it in the order. A held picture keeps it whatever
// it passes behind.
void Keyboard::follow(Form& form, Focus& focus) const {
    if (focus.widget < 0) return;
    if (hold_ && hold_->form == form.id() && hold_->widget == focus.widget) {
        focus.at = form.widgets()[focus.widget].rect;
        return;
    }
    const std::vector<int> order = focusOrder(form);
    if (std::find(order.begin(), order.end(), focus.widget) != order.end()) {
        focus.at = form.widgets()[focus.widget].rect;
        return;
    }
    const Rect gone = focus.at;
    focus.widget = -1;
    for (int i : order) {
        const Rect& r = form.widgets()[i].rect;
        if (r.top > gone.top || (r.top == gone.top && r.left > gone.left)) {
            focus.widget = i;
            break;
        }
    }
    if (focus.widget < 0 && !order.empty()) focus.widget = order.front();
    if (focus.widget >= 0) focus.at = form.widgets()[focus.widget].rect;
}

void Keyboard::step(Form& form, Focus& focus, int direction) {
    const std::vector<int> order = focusOrder(form);
    if (order.empty()) {
        focus.widget = -1;
        return;
    }
    auto it = std::find(order.begin(), order.end(), focus.widget);
    const int n = static_cast<int>(order.size());
    int position;
    if (it == order.end())
        position = direction > 0 ? 0 : n - 1;
    else
        position = (static_cast<int>(it - order.begin()) + direction + n) % n;
    focus.widget = order[position];
    focus.at = form.widgets()[focus.widget].rect;
}

void Keyboard::activate(Form& form, Focus& focus, Key key, bool shift) {
    const auto at = forms_.reachablePoint(form, focus.widget);
    if (!at) return;
    const std::string name = form.name();
    if (key == Key::Space && draggable(form, focus.widget)) {
        hold_ = Hold{form.id(), name, focus.widget, at->x, at->y};
        forms_.pointerPress(name, kLeft, shift, at->x, at->y);
        return;
    }
    forms_.pointerPress(name, kLeft, shift, at->x, at->y);
    forms_.pointerRelease(name, kLeft, shift, at->x, at->y);
}

// While a picture is held the arrows move the pointer with the left button
// down, and Space or Enter lets go; the window's drop handler decides what
// the drop means. The pointer stays inside the window, so the picture can
// always be reached again.
void Keyboard::held(Key key, bool shift) {
    Form* form = forms_.findById(hold_->form);
    if (!form) {
        hold_.reset();
        return;
    }
    const float step = shift ? kFineStep : kStep;
    float dx = 0, dy = 0;
    switch (key) {
    case Key::Left:
        dx = -step;
        break;
    case Key::Right:
        dx = step;
        break;
    case Key::Up:
        dy = -step;
        break;
    case Key::Down:
        dy = step;
        break;
    case Key::Space:
    case Key::Enter: {
        const Hold let = *hold_;
        hold_.reset();
        forms_.pointerRelease(let.formName, kLeft, shift, let.x, let.y);
        return;
    }
    case Key::Tab:
        return;
    }
    hold_->x = std::clamp(hold_->x + dx, 0.0f, static_cast<float>(form->width() - 1));
    hold_->y = std::clamp(hold_->y + dy, 0.0f, static_cast<float>(form->height() - 1));
    forms_.pointerMove(hold_->formName, kLeft, shift, hold_->x, hold_->y);
}

void Keyboard::keyPressed(const std::string& name, Key key, bool shift) {
    handling_ = true;
    ringShown_ = true;
    if (hold_) {
        held(key, shift);
    } else if (Form* form = forms_.find(name); form && form->visible()) {
        Focus& focus = focus_[form->id()];
        follow(*form, focus);
        switch (key) {
        case Key::Tab:
            step(*form, focus, shift ? -1 : 1);
            break;
        case Key::Right:
        case Key::Down:
            step(*form, focus, 1);
            break;
        case Key::Left:
        case Key::Up:
            step(*form, focus, -1);
            break;
        case Key::Enter:
        case Key::Space:
            // The first key only shows where the focus is.
            if (focus.widget < 0)
                step(*form, focus, 1);
            else
                activate(*form, focus, key, shift);
            break;
        }
    }
    handling_ = false;
    refresh();
}

void Keyboard::press(const std::string& name, int widget) {
    Form* form = forms_.find(name);
    if (hold_ || !form || !form->visible()) return;
    const std::vector<int> order = focusOrder(*form);
    if (std::find(order.begin(), order.end(), widget) == order.end()) return;
    handling_ = true;
    Focus& focus = focus_[form->id()];
    focus.widget = widget;
    focus.at = form->widgets()[widget].rect;
    activate(*form, focus, Key::Enter, false);
    handling_ = false;
    refresh();
}

void Keyboard::mouseUsed() {
    if (hold_) {
        const Hold let = *hold_;
        hold_.reset();
        forms_.pointerRelease(let.formName, kLeft, false, let.x, let.y);
    }
    ringShown_ = false;
    refresh();
}

void Keyboard::eventHandled() {
    // Events that the keys themselves send are settled once, at the end.
    if (!handling_) refresh();
}

void Keyboard::formUnloaded(const Form& form) {
    focus_.erase(form.id());
    if (hold_ && hold_->form == form.id()) hold_.reset();
}

// After every event: focus that follows the game, and the front end told
// what to draw anew.
void Keyboard::refresh() {
    for (auto& [id, focus] : focus_) {
        Form* form = forms_.findById(id);
        if (!form) continue;
        follow(*form, focus);
        const FocusView now = this->focus(*form);
        if (now == focus.drawn) continue;
        const FocusView before = focus.drawn;
        focus.drawn = now;
        if (observer_) observer_->focusChanged(*form, before);
    }
}

} // namespace tallowby
