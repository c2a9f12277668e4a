// SPDX-License-Identifier: GPL-3.0-or-later
#include "front_end.h"

#include "form_window.h"

#include <QCoreApplication>

namespace tallowby {

FrontEnd::FrontEnd(Forms& forms) : forms_(forms), keyboard_(forms) {
    forms_.addObserver(this);
    keyboard_.setObserver(this);
}

FrontEnd::~FrontEnd() {
    forms_.removeObserver(this);
    for (auto& [id, entry] : windows_)
        delete entry.window;
}

FormWindow* FrontEnd::window(const std::string& form) const {
    for (const auto& [id, entry] : windows_)
        if (entry.window && entry.window->objectName().toStdString() == form) return entry.window;
    return nullptr;
}

void FrontEnd::formLoaded(const Form& form) {
    windows_[form.id()].window = new FormWindow(forms_, form, pictures_, keyboard_);
}

void FrontEnd::formShown(const Form& form) {
    auto it = windows_.find(form.id());
    if (it == windows_.end() || !it->second.window) return;
    FormWindow* w = it->second.window;
    if (!it->second.placed) {
        w->centreOnScreen();
        it->second.placed = true;
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void FrontEnd::formUnloaded(const Form& form) {
    auto it = windows_.find(form.id());
    if (it == windows_.end()) return;
    bool wasActive = false;
    if (FormWindow* w = it->second.window) {
        wasActive = w->isActiveWindow();
        w->detach();
        w->hide();
        // We may be inside this window's own mouse handler.
        w->deleteLater();
    }
    windows_.erase(it);
    // The keys go on to the window now in front, with or without a window
    // manager to hand them over.
    if (wasActive) {
        const std::vector<std::string> front = forms_.visibleFrontToBack();
        if (FormWindow* next = front.empty() ? nullptr : window(front.front())) next->activateWindow();
    }
    // Once the handler has returned: a window that reloads itself (Start
    // Over, Play Again) is loaded again by then and keeps its pictures.
    if (!releaseQueued_) {
        releaseQueued_ = true;
        QMetaObject::invokeMethod(
            &context_, [this] { releaseUnusedPictures(); }, Qt::QueuedConnection);
    }
}

void FrontEnd::releaseUnusedPictures() {
    releaseQueued_ = false;
    std::set<std::string, std::less<>> shown;
    for (const std::string& name : forms_.loadedNames())
        for (const WidgetState& w : forms_.find(name)->widgets())
            if (w.def->kind == WidgetKind::Picture) shown.insert(w.def->picture);
    pictures_.keepOnly(shown);
}

void FrontEnd::captionChanged(const Form& form) {
    auto it = windows_.find(form.id());
    if (it != windows_.end() && it->second.window)
        it->second.window->setWindowTitle(QString::fromStdString(form.caption()));
}

void FrontEnd::widgetChanged(const Form& form, int index, const Rect& before) {
    auto it = windows_.find(form.id());
    if (it != windows_.end() && it->second.window)
        it->second.window->damage(before, form.widgets()[index].rect);
}

void FrontEnd::focusChanged(const Form& form, const FocusView& before) {
    auto it = windows_.find(form.id());
    if (it != windows_.end() && it->second.window) it->second.window->focusMoved(before);
}

void FrontEnd::programEnded() {
    // Queued: the handler that ended the program is still on the stack.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

} // namespace tallowby
