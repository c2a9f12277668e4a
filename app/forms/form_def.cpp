// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_def.h"

#include <stdexcept>

namespace tallowby {

const char* kindName(WidgetKind kind) {
    switch (kind) {
    case WidgetKind::Picture:
        return "picture";
    case WidgetKind::Label:
        return "label";
    case WidgetKind::TextField:
        return "text field";
    case WidgetKind::List:
        return "list";
    case WidgetKind::Timer:
        return "timer";
    case WidgetKind::Shape:
        return "frame rectangle";
    case WidgetKind::Button:
        return "push button";
    }
    return "widget";
}

WidgetDef& WidgetDef::withFont(std::string family, float points, bool bold) {
    font = Font{std::move(family), points, bold};
    return *this;
}
WidgetDef& WidgetDef::withColour(Colour c) {
    colour = c;
    return *this;
}
WidgetDef& WidgetDef::withBackground(Colour c) {
    opaque = true;
    background = c;
    return *this;
}
WidgetDef& WidgetDef::aligned(Align a) {
    align = a;
    return *this;
}
WidgetDef& WidgetDef::stretched() {
    stretch = true;
    return *this;
}

namespace {
WidgetDef make(WidgetKind kind, std::string name, float left, float top, float width, float height) {
    WidgetDef w;
    w.kind = kind;
    w.name = std::move(name);
    w.left = left;
    w.top = top;
    w.width = width;
    w.height = height;
    return w;
}
} // namespace

WidgetDef picture(std::string name, float left, float top, float width, float height, std::string asset) {
    WidgetDef w = make(WidgetKind::Picture, std::move(name), left, top, width, height);
    w.picture = std::move(asset);
    return w;
}
WidgetDef label(std::string name, float left, float top, float width, float height, std::string caption) {
    WidgetDef w = make(WidgetKind::Label, std::move(name), left, top, width, height);
    w.text = std::move(caption);
    return w;
}
WidgetDef whiteLabel(std::string name, float left, float top, float width, float height, std::string caption,
                     float points) {
    return label(std::move(name), left, top, width, height, std::move(caption))
        .withFont("Arial", points, true)
        .withColour(kWhite);
}

WidgetDef textField(std::string name, float left, float top, float width, float height, std::string text) {
    WidgetDef w = make(WidgetKind::TextField, std::move(name), left, top, width, height);
    w.text = std::move(text);
    return w;
}
WidgetDef list(std::string name, float left, float top, float width, float height) {
    return make(WidgetKind::List, std::move(name), left, top, width, height);
}
WidgetDef timer(std::string name, int interval) {
    WidgetDef w = make(WidgetKind::Timer, std::move(name), 0, 0, 0, 0);
    w.interval = interval;
    return w;
}
WidgetDef shape(std::string name, float left, float top, float width, float height, Colour outline) {
    WidgetDef w = make(WidgetKind::Shape, std::move(name), left, top, width, height);
    w.colour = outline;
    return w;
}
WidgetDef button(std::string name, float left, float top, float width, float height, std::string caption) {
    WidgetDef w = make(WidgetKind::Button, std::move(name), left, top, width, height);
    w.text = std::move(caption);
    return w;
}

FormDef window(std::string name, std::string caption, int width, int height) {
    FormDef f;
    f.name = std::move(name);
    f.caption = std::move(caption);
    f.width = width;
    f.height = height;
    return f;
}

WidgetDef& FormDef::widget(const std::string& widgetName) {
    for (auto& w : widgets)
        if (w.name == widgetName) return w;
    throw std::logic_error("window " + name + " has no widget " + widgetName);
}

const WidgetDef* FormDef::find(const std::string& widgetName) const {
    for (const auto& w : widgets)
        if (w.name == widgetName) return &w;
    return nullptr;
}

FormDef& FormDef::onLoad(Handler h) {
    load = std::move(h);
    return *this;
}
FormDef& FormDef::onClick(const std::string& w, Handler h) {
    widget(w).click = std::move(h);
    return *this;
}
FormDef& FormDef::onMouseDown(const std::string& w, MouseHandler h) {
    widget(w).mouseDown = std::move(h);
    return *this;
}
FormDef& FormDef::onMouseMove(const std::string& w, MouseHandler h) {
    widget(w).mouseMove = std::move(h);
    return *this;
}
FormDef& FormDef::onMouseUp(const std::string& w, MouseHandler h) {
    widget(w).mouseUp = std::move(h);
    return *this;
}
FormDef& FormDef::onTimer(const std::string& w, Handler h) {
    widget(w).timer = std::move(h);
    return *this;
}

} // namespace tallowby
