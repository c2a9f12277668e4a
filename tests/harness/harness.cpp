// SPDX-License-Identifier: GPL-3.0-or-later
#include "harness.h"

#include "app/windows.h"

#include <cmath>
#include <stdexcept>

namespace tallowby::testing {

Harness::Harness() : app(platform, clock) {
    clock.attach(app);
    defineAllWindows(app);
    app.start("main");
}

Harness::Harness(std::vector<FormDef> windows) : app(platform, clock) {
    clock.attach(app);
    for (auto& w : windows)
        app.define(std::move(w));
}

Form& Harness::form(const std::string& name) {
    Form* f = app.find(name);
    if (!f) throw std::logic_error("window " + name + " is not loaded");
    return *f;
}

bool Harness::visible(const std::string& name) const {
    const Form* f = app.find(name);
    return f && f->visible();
}

std::pair<float, float> Harness::reachablePoint(const std::string& formName, const std::string& widget) {
    Form& f = form(formName);
    int index = f.indexOf(widget);
    if (index < 0) throw std::logic_error(formName + " has no widget " + widget);
    const auto at = app.reachablePoint(f, index);
    if (!at) throw std::logic_error(formName + "." + widget + " cannot be reached by the pointer");
    return {at->x, at->y};
}

void Harness::click(const std::string& formName, const std::string& widget) {
    auto [x, y] = reachablePoint(formName, widget);
    clickAt(formName, x, y);
}

void Harness::clickAt(const std::string& formName, float x, float y) {
    press(formName, x, y);
    release(formName, x, y);
}

void Harness::press(const std::string& f, float x, float y, int button, bool shift) {
    app.pointerPress(f, button, shift, x, y);
}
void Harness::move(const std::string& f, float x, float y, int buttons, bool shift) {
    app.pointerMove(f, buttons, shift, x, y);
}
void Harness::release(const std::string& f, float x, float y, int button, bool shift) {
    app.pointerRelease(f, button, shift, x, y);
}

void Harness::drag(const std::string& formName, const std::string& widget, float toLeft, float toTop) {
    auto [x, y] = reachablePoint(formName, widget);
    Form& f = form(formName);
    const Rect start = f.widgets()[f.indexOf(widget)].rect;
    const float grabX = x - start.left, grabY = y - start.top;
    press(formName, x, y);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        float px = start.left + (toLeft - start.left) * step / kSteps + grabX;
        float py = start.top + (toTop - start.top) * step / kSteps + grabY;
        move(formName, px, py);
    }
    release(formName, toLeft + grabX, toTop + grabY);
}

std::vector<std::string> Harness::cues() const {
    std::vector<std::string> names;
    for (const auto& path : platform.sounds)
        names.push_back(path.substr(path.find_last_of('/') + 1));
    return names;
}

} // namespace tallowby::testing
