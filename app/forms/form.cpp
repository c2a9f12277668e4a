// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "forms.h"

#include <stdexcept>

namespace tallowby {

Form::Form(Forms& forms, const FormDef& def, std::uint64_t id)
    : forms_(&forms), def_(&def), id_(id), caption_(def.caption) {
    widgets_.reserve(def.widgets.size());
    for (const auto& w : def.widgets) {
        WidgetState s;
        s.def = &w;
        s.rect = {w.left, w.top, w.width, w.height};
        s.text = w.text;
        s.interval = w.interval;
        widgets_.push_back(std::move(s));
    }
}

void Form::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (loaded_) forms_->notify([&](FormsObserver& o) { o.captionChanged(*this); });
}

int Form::indexOf(const std::string& name) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i)
        if (widgets_[i].def->name == name) return static_cast<int>(i);
    return -1;
}

int Form::indexOf(const std::string& name, WidgetKind kind) const {
    int index = indexOf(name);
    if (index < 0) throw std::logic_error("window " + this->name() + " has no widget " + name);
    if (widgets_[index].def->kind != kind)
        throw std::logic_error(this->name() + "." + name + " is a " + kindName(widgets_[index].def->kind) +
                               ", not a " + kindName(kind));
    return index;
}

bool Form::parked(const Rect& r) const {
    return r.left >= width() || r.top >= height() || r.left + r.width <= 0 || r.top + r.height <= 0;
}

bool Form::showsWidget(int index) const {
    const WidgetState& s = widgets_[index];
    switch (s.def->kind) {
    case WidgetKind::TextField:
    case WidgetKind::List:
    case WidgetKind::Timer:
        return false;
    default:
        return s.visible && !parked(s.rect);
    }
}

void Form::changed(int index, const Rect& before) {
    if (loaded_) forms_->notify([&](FormsObserver& o) { o.widgetChanged(*this, index, before); });
}

const std::string& WidgetRef::name() const {
    return state().def->name;
}
const WidgetState& WidgetRef::state() const {
    return form_->widgets_[index_];
}
WidgetState& WidgetRef::state() {
    return form_->widgets_[index_];
}

void WidgetRef::setVisible(bool visible) {
    if (state().visible == visible) return;
    state().visible = visible;
    form_->changed(index_, state().rect);
}

void WidgetRef::setRect(const Rect& r) {
    Rect before = state().rect;
    if (before == r) return;
    state().rect = r;
    form_->changed(index_, before);
}

void WidgetRef::setText(const std::string& text) {
    if (state().text == text) return;
    state().text = text;
    form_->changed(index_, state().rect);
}

void Picture::setLeft(float left) {
    move(left, top());
}
void Picture::setTop(float top) {
    move(left(), top);
}
void Picture::move(float left, float top) {
    setRect({left, top, width(), height()});
}
const std::string& Picture::asset() const {
    return state().def->picture;
}

std::string List::item(int index) const {
    if (index < 0 || index >= count()) {
        form_->forms().callerFault(form_->name() + "." + name() + ": item " + std::to_string(index) + " of " +
                                   std::to_string(count()));
        return {};
    }
    return state().items[index];
}

void List::addItem(const std::string& text) {
    state().items.push_back(text);
}

void List::removeItem(int index) {
    if (index < 0 || index >= count()) {
        form_->forms().callerFault(form_->name() + "." + name() + ": remove item " + std::to_string(index) +
                                   " of " + std::to_string(count()));
        return;
    }
    state().items.erase(state().items.begin() + index);
}

void List::clear() {
    state().items.clear();
}

void Timer::setEnabled(bool enabled) {
    // Switching on a running timer does not restart its period.
    if (state().enabled == enabled) return;
    state().enabled = enabled;
    form_->forms().timerChanged(*form_, index_);
}

void Timer::setInterval(int interval) {
    if (state().interval == interval) return;
    state().interval = interval;
    form_->forms().timerChanged(*form_, index_);
}

} // namespace tallowby
