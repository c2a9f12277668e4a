// SPDX-License-Identifier: GPL-3.0-or-later
// One loaded window with its widgets' live state, and typed handles to them.
#pragma once

#include "form_def.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tallowby {

class Forms;
class Form;

struct Point {
    float x = 0, y = 0;
};

struct Rect {
    float left = 0, top = 0, width = 0, height = 0;
    bool contains(float x, float y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A widget's live state; starts as its table line and changes by handlers.
struct WidgetState {
    const WidgetDef* def = nullptr;
    Rect rect;
    bool visible = true;
    std::string text; // caption or text
    std::vector<std::string> items;
    bool enabled = true;
    int interval = 0;
};

class WidgetRef {
  public:
    WidgetRef(Form& form, int index) : form_(&form), index_(index) {}
    const std::string& name() const;
    float left() const { return state().rect.left; }
    float top() const { return state().rect.top; }
    float width() const { return state().rect.width; }
    float height() const { return state().rect.height; }
    bool visible() const { return state().visible; }
    void setVisible(bool visible);

  protected:
    const WidgetState& state() const;
    WidgetState& state();
    void setRect(const Rect& r);
    void setText(const std::string& text);
    Form* form_;
    int index_;
};

class Picture : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    void setLeft(float left);
    void setTop(float top);
    void move(float left, float top);
    const std::string& asset() const;
};

class Label : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    const std::string& caption() const { return state().text; }
    void setCaption(const std::string& caption) { setText(caption); }
};

class TextField : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    const std::string& text() const { return state().text; }
    void setText(const std::string& text) { WidgetRef::setText(text); }
};

class List : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    int count() const { return static_cast<int>(state().items.size()); }
    // An index outside 0 .. count-1 is a caller fault: recorded, "" returned.
    std::string item(int index) const;
    void addItem(const std::string& text);
    // An index outside 0 .. count-1 is a caller fault: recorded, no change.
    void removeItem(int index);
    void clear();
};

class Timer : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    bool enabled() const { return state().enabled; }
    int interval() const { return state().interval; }
    void setEnabled(bool enabled);
    void setInterval(int interval);
};

class Shape : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
};

class PushButton : public WidgetRef {
  public:
    using WidgetRef::WidgetRef;
    const std::string& caption() const { return state().text; }
};

class Form {
  public:
    Form(Forms& forms, const FormDef& def, std::uint64_t id);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return def_->name; }
    const FormDef& definition() const { return *def_; }
    std::uint64_t id() const { return id_; }
    int width() const { return def_->width; }
    int height() const { return def_->height; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool visible() const { return visible_; }
    bool loaded() const { return loaded_; }

    // Typed access; a wrong name or kind is a programming error and throws.
    Picture picture(const std::string& name) { return {*this, indexOf(name, WidgetKind::Picture)}; }
    Label label(const std::string& name) { return {*this, indexOf(name, WidgetKind::Label)}; }
    TextField textField(const std::string& name) { return {*this, indexOf(name, WidgetKind::TextField)}; }
    List list(const std::string& name) { return {*this, indexOf(name, WidgetKind::List)}; }
    Timer timer(const std::string& name) { return {*this, indexOf(name, WidgetKind::Timer)}; }
    Shape shape(const std::string& name) { return {*this, indexOf(name, WidgetKind::Shape)}; }
    PushButton pushButton(const std::string& name) { return {*this, indexOf(name, WidgetKind::Button)}; }

    // Plain window variables (numbers kept outside any widget).
    float& variable(const std::string& name) { return variables_[name]; }

    // Read-only view for the front end and tests, front to back.
    const std::vector<WidgetState>& widgets() const { return widgets_; }
    int indexOf(const std::string& name) const; // -1 when absent
    // Parked: wholly outside the client area, never seen nor hit.
    bool parked(const Rect& r) const;
    // Drawn and hit: visible, not parked, and not a hidden holder or timer.
    bool showsWidget(int index) const;
    Forms& forms() { return *forms_; }

  private:
    friend class Forms;
    friend class WidgetRef;
    friend class List;
    friend class Timer;
    int indexOf(const std::string& name, WidgetKind kind) const;
    void changed(int index, const Rect& before);

    Forms* forms_;
    const FormDef* def_;
    std::uint64_t id_;
    std::string caption_;
    bool visible_ = false;
    bool loaded_ = true;
    std::vector<WidgetState> widgets_;
    std::map<std::string, float> variables_;
};

} // namespace tallowby
