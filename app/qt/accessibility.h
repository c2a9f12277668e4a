// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of a window: its caption, a button with a
// short spoken name and a press action for every widget a child can act on,
// and the labels as text. Everything is read from the model when asked, so
// it is never out of date.
#pragma once

#include <QAccessibleWidget>

#include <map>

namespace tallowby {

class FormWindow;

// Makes Qt ask us about our windows; once, before the first window shows.
void installAccessibility();

class FormWindowAccessible : public QAccessibleWidget {
  public:
    explicit FormWindowAccessible(FormWindow* window);
    ~FormWindowAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The exposed widgets, in focus order then the labels: table indexes.
    std::vector<int> exposed() const;
    // The child interface of a table index, made on first use.
    QAccessibleInterface* widgetInterface(int tableIndex) const;
    FormWindow* formWindow() const;

  private:
    mutable std::map<int, QAccessible::Id> children_;
};

} // namespace tallowby
