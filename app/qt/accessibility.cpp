// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "app/catalogue.h"
#include "app/forms/keyboard.h"
#include "form_window.h"

#include <QPointer>

#include <algorithm>

namespace tallowby {
namespace {

// One widget of a window as a screen reader sees it.
class WidgetAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    WidgetAccessible(FormWindow* window, int index) : window_(window), index_(index) {}

    bool isValid() const override { return window_ && window_->form(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        const WidgetState& w = model();
        if (w.def->kind == WidgetKind::Picture) {
            const std::string_view name = spokenName(w.def->picture);
            return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        }
        return QString::fromStdString(w.text).trimmed();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = FormWindow::pixels(model().rect).intersected(window_->rect());
        return QRect(window_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        return actable() ? QAccessible::Button : QAccessible::StaticText;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid() || !window_->form()->showsWidget(index_)) {
            s.invisible = true;
            return s;
        }
        if (actable()) {
            s.focusable = true;
            s.focused = window_->keyboard().focus(*window_->form()).widget == index_;
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && actable())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override {
        return actable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) window_->keyboard().press(window_->form()->name(), index_);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
    }

  private:
    const WidgetState& model() const { return window_->form()->widgets()[index_]; }
    bool actable() const {
        if (!isValid()) return false;
        const WidgetDef& d = *model().def;
        return d.click || d.mouseDown || d.mouseUp;
    }

    QPointer<FormWindow> window_;
    int index_;
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* window = dynamic_cast<FormWindow*>(object)) return new FormWindowAccessible(window);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

FormWindowAccessible::FormWindowAccessible(FormWindow* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

FormWindowAccessible::~FormWindowAccessible() {
    for (const auto& [index, id] : children_)
        QAccessible::deleteAccessibleInterface(id);
}

FormWindow* FormWindowAccessible::formWindow() const {
    return static_cast<FormWindow*>(widget());
}

std::vector<int> FormWindowAccessible::exposed() const {
    const Form* form = formWindow()->form();
    if (!form) return {};
    std::vector<int> all = formWindow()->keyboard().focusOrder(*form);
    for (int i = 0; i < static_cast<int>(form->widgets().size()); ++i)
        if (form->widgets()[i].def->kind == WidgetKind::Label && form->showsWidget(i) &&
            std::find(all.begin(), all.end(), i) == all.end())
            all.push_back(i);
    return all;
}

QAccessibleInterface* FormWindowAccessible::widgetInterface(int tableIndex) const {
    auto it = children_.find(tableIndex);
    if (it != children_.end()) return QAccessible::accessibleInterface(it->second);
    auto* child = new WidgetAccessible(formWindow(), tableIndex);
    children_[tableIndex] = QAccessible::registerAccessibleInterface(child);
    return child;
}

int FormWindowAccessible::childCount() const {
    return static_cast<int>(exposed().size());
}

QAccessibleInterface* FormWindowAccessible::child(int index) const {
    const std::vector<int> all = exposed();
    if (index < 0 || index >= static_cast<int>(all.size())) return nullptr;
    return widgetInterface(all[index]);
}

int FormWindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<int> all = exposed();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        auto it = children_.find(all[i]);
        if (it != children_.end() && QAccessible::accessibleInterface(it->second) == child) return i;
    }
    return -1;
}

QAccessibleInterface* FormWindowAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
    return nullptr;
}

QAccessibleInterface* FormWindowAccessible::focusChild() const {
    const Form* form = formWindow()->form();
    if (!form) return nullptr;
    const int focused = formWindow()->keyboard().focus(*form).widget;
    return focused < 0 ? nullptr : widgetInterface(focused);
}

QString FormWindowAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return formWindow()->windowTitle();
    return QAccessibleWidget::text(t);
}

} // namespace tallowby
