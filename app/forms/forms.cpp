// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include "number_text.h"

#include <algorithm>
#include <stdexcept>

namespace tallowby {

Forms::Forms(Platform& platform, TimerClock& clock) : platform_(platform), clock_(clock) {}

Forms::~Forms() {
    for (auto& f : loaded_)
        for (std::size_t i = 0; i < f->widgets_.size(); ++i)
            if (f->widgets_[i].def->kind == WidgetKind::Timer)
                clock_.stopTimer({f->id(), static_cast<int>(i)});
}

void Forms::define(FormDef def) {
    if (definition(def.name)) throw std::logic_error("window " + def.name + " defined twice");
    definitions_.push_back(std::make_unique<FormDef>(std::move(def)));
}

const FormDef* Forms::definition(const std::string& name) const {
    for (const auto& d : definitions_)
        if (d->name == name) return d.get();
    return nullptr;
}

std::vector<const FormDef*> Forms::definitions() const {
    std::vector<const FormDef*> all;
    for (const auto& d : definitions_)
        all.push_back(d.get());
    return all;
}

void Forms::addObserver(FormsObserver* observer) {
    observers_.push_back(observer);
}
void Forms::removeObserver(FormsObserver* observer) {
    std::erase(observers_, observer);
}

// Every outside event runs through here: handlers run to their end, then the
// engine checks whether the program is over.
template <typename Fn> void Forms::dispatch(Fn&& fn) {
    ++depth_;
    try {
        fn();
    } catch (...) {
        --depth_;
        throw;
    }
    if (--depth_ == 0) settle();
}

void Forms::settle() {
    // No invisible process: once nothing is visible, hidden windows go too.
    if (!loaded_.empty() && zOrder_.empty()) {
        ++depth_;
        while (!loaded_.empty())
            unload(loaded_.front()->name());
        --depth_;
    }
    graveyard_.clear();
    notify([](FormsObserver& o) { o.eventHandled(); });
    if (loaded_.empty() && !ended_) {
        ended_ = true;
        notify([](FormsObserver& o) { o.programEnded(); });
    }
}

void Forms::start(const std::string& name) {
    dispatch([&] { show(name); });
}

Form* Forms::find(const std::string& name) {
    for (auto& f : loaded_)
        if (f->name() == name) return f.get();
    return nullptr;
}

const Form* Forms::find(const std::string& name) const {
    for (const auto& f : loaded_)
        if (f->name() == name) return f.get();
    return nullptr;
}

Form* Forms::findById(std::uint64_t id) {
    for (auto& f : loaded_)
        if (f->id() == id) return f.get();
    return nullptr;
}

Form& Forms::load(const FormDef& def) {
    loaded_.push_back(std::make_unique<Form>(*this, def, nextId_++));
    Form& f = *loaded_.back();
    notify([&](FormsObserver& o) { o.formLoaded(f); });
    for (std::size_t i = 0; i < f.widgets_.size(); ++i)
        if (f.widgets_[i].def->kind == WidgetKind::Timer) timerChanged(f, static_cast<int>(i));
    if (def.load) dispatch([&] { def.load(*this); });
    return f;
}

Form& Forms::form(const std::string& name) {
    if (Form* f = find(name)) return *f;
    const FormDef* def = definition(name);
    if (!def) throw std::logic_error("no window named " + name);
    return load(*def);
}

void Forms::show(const std::string& name) {
    dispatch([&] {
        Form& f = form(name);
        if (!f.loaded_) return; // its own Form_Load unloaded it
        f.visible_ = true;
        std::erase(zOrder_, f.id());
        zOrder_.insert(zOrder_.begin(), f.id());
        notify([&](FormsObserver& o) { o.formShown(f); });
    });
}

void Forms::unload(const std::string& name) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& f) { return f->name() == name; });
    if (it == loaded_.end()) return;
    std::unique_ptr<Form> f = std::move(*it);
    loaded_.erase(it);
    for (std::size_t i = 0; i < f->widgets_.size(); ++i)
        if (f->widgets_[i].def->kind == WidgetKind::Timer) clock_.stopTimer({f->id(), static_cast<int>(i)});
    std::erase(zOrder_, f->id());
    f->visible_ = false;
    if (capture_ && capture_->form == f->id()) capture_.reset();
    if (clickTarget_ && clickTarget_->form == f->id()) clickTarget_.reset();
    notify([&](FormsObserver& o) { o.formUnloaded(*f); });
    f->loaded_ = false;
    // A handler of this very window may still be running; let it finish on
    // the detached state, which nobody sees any more.
    graveyard_.push_back(std::move(f));
    if (depth_ == 0) settle();
}

std::vector<std::string> Forms::loadedNames() const {
    std::vector<std::string> names;
    for (const auto& f : loaded_)
        names.push_back(f->name());
    return names;
}

std::vector<std::string> Forms::visibleFrontToBack() const {
    std::vector<std::string> names;
    for (auto id : zOrder_)
        for (const auto& f : loaded_)
            if (f->id() == id) names.push_back(f->name());
    return names;
}

void Forms::activated(const std::string& name) {
    Form* f = find(name);
    if (!f || !f->visible_ || (!zOrder_.empty() && zOrder_.front() == f->id())) return;
    std::erase(zOrder_, f->id());
    zOrder_.insert(zOrder_.begin(), f->id());
}

void Forms::timerChanged(Form& f, int index) {
    const WidgetState& s = f.widgets_[index];
    TimerKey key{f.id(), index};
    clock_.stopTimer(key);
    if (f.loaded_ && s.enabled && s.interval > 0) clock_.startTimer(key, tickPeriod(s.interval));
}

void Forms::timerFired(TimerKey key) {
    Form* f = findById(key.form);
    if (!f || key.widget < 0 || key.widget >= static_cast<int>(f->widgets_.size())) return;
    const WidgetState& s = f->widgets_[key.widget];
    if (s.def->kind != WidgetKind::Timer || !s.enabled) return;
    if (s.def->timer) dispatch([&] { s.def->timer(*this); });
}

int Forms::hitTest(const Form& f, float x, float y) const {
    if (x < 0 || y < 0 || x >= f.width() || y >= f.height()) return -1;
    for (std::size_t i = 0; i < f.widgets_.size(); ++i)
        if (f.showsWidget(static_cast<int>(i)) && f.widgets_[i].rect.contains(x, y))
            return static_cast<int>(i);
    return -1;
}

std::optional<Point> Forms::reachablePoint(const Form& f, int index) const {
    if (index < 0 || index >= static_cast<int>(f.widgets_.size()) || !f.showsWidget(index))
        return std::nullopt;
    // Only the part inside the client area can be pointed at.
    const Rect w = f.widgets_[index].rect;
    const float left = std::max(w.left, 0.0f), top = std::max(w.top, 0.0f);
    const Rect r{left, top, std::min(w.left + w.width, static_cast<float>(f.width())) - left,
                 std::min(w.top + w.height, static_cast<float>(f.height())) - top};
    const float cx = r.left + r.width / 2, cy = r.top + r.height / 2;
    if (hitTest(f, cx, cy) == index) return Point{cx, cy};
    constexpr int kGrid = 16;
    for (int i = 1; i < kGrid; ++i)
        for (int j = 1; j < kGrid; ++j) {
            const float x = r.left + r.width * static_cast<float>(i) / kGrid;
            const float y = r.top + r.height * static_cast<float>(j) / kGrid;
            if (hitTest(f, x, y) == index) return Point{x, y};
        }
    return std::nullopt;
}

void Forms::deliverMouse(Form& f, int index, MouseHandler WidgetDef::*event, int button, bool shift, float x,
                         float y) {
    const WidgetState& s = f.widgets_[index];
    const MouseHandler& handler = (*s.def).*event;
    if (s.def->kind != WidgetKind::Picture || !handler) return;
    handler(*this, MouseArgs{button, shift, x - s.rect.left, y - s.rect.top});
}

void Forms::pointerPress(const std::string& name, int button, bool shift, float x, float y) {
    dispatch([&] {
        Form* f = find(name);
        if (capture_) {
            // Another button while one is held: the pressed widget keeps the pointer.
            Form* owner = findById(capture_->form);
            if (!owner) return;
            capture_->buttons |= button;
            deliverMouse(*owner, capture_->widget, &WidgetDef::mouseDown, button, shift, x, y);
            return;
        }
        if (!f) return;
        int hit = hitTest(*f, x, y);
        if (hit < 0) return;
        capture_ = Capture{f->id(), hit, button};
        if (button == kLeft) clickTarget_ = Capture{f->id(), hit, button};
        deliverMouse(*f, hit, &WidgetDef::mouseDown, button, shift, x, y);
    });
}

void Forms::pointerMove(const std::string& name, int buttons, bool shift, float x, float y) {
    dispatch([&] {
        if (capture_) {
            if (Form* owner = findById(capture_->form))
                deliverMouse(*owner, capture_->widget, &WidgetDef::mouseMove, buttons, shift, x, y);
            return;
        }
        Form* f = find(name);
        if (!f) return;
        int hit = hitTest(*f, x, y);
        if (hit >= 0) deliverMouse(*f, hit, &WidgetDef::mouseMove, buttons, shift, x, y);
    });
}

void Forms::pointerRelease(const std::string& name, int button, bool shift, float x, float y) {
    dispatch([&] {
        if (!capture_) {
            Form* f = find(name);
            if (!f) return;
            int hit = hitTest(*f, x, y);
            if (hit >= 0) deliverMouse(*f, hit, &WidgetDef::mouseUp, button, shift, x, y);
            return;
        }
        Capture held = *capture_;
        capture_->buttons &= ~button;
        if (capture_->buttons == 0) capture_.reset();
        Form* owner = findById(held.form);
        if (!owner) return;
        deliverMouse(*owner, held.widget, &WidgetDef::mouseUp, button, shift, x, y);

        if (button != kLeft || !clickTarget_) return;
        Capture target = *clickTarget_;
        clickTarget_.reset();
        // The MouseUp handler may have unloaded the window.
        Form* f = findById(target.form);
        if (!f || hitTest(*f, x, y) != target.widget) return;
        const WidgetState& s = f->widgets_[target.widget];
        if (s.def->click) s.def->click(*this);
    });
}

void Forms::closeBox(const std::string& name) {
    dispatch([&] { unload(name); });
}

void Forms::playCue(std::string_view fileName) {
    std::string path = platform_.programDirectory();
    if (!path.empty() && path.back() != '/') path += '/';
    path += fileName;
    platform_.playSound(path);
}

void Forms::openAddress(const std::string& window, const std::string& address) {
    platform_.openAddress(window, address);
}

double Forms::readStrict(std::string_view text) {
    if (auto value = tallowby::readStrict(text)) return *value;
    callerFault("strict reading of \"" + std::string(text) + "\"");
    return 0;
}

void Forms::callerFault(std::string what) {
    faults_.push_back(std::move(what));
}

} // namespace tallowby
