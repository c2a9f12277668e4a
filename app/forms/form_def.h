// SPDX-License-Identifier: GPL-3.0-or-later
// A window's definition: its widget table (front to back, as data) and the
// handlers bound to its events. Window files build one of these each.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallowby {

class Forms;

enum class WidgetKind { Picture, Label, TextField, List, Timer, Shape, Button };
const char* kindName(WidgetKind kind);

struct Colour {
    unsigned char r = 0, g = 0, b = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};
constexpr Colour kBlack{0, 0, 0};
constexpr Colour kWhite{255, 255, 255};

struct Font {
    std::string family;
    float points = 0;
    bool bold = false;
};

enum class Align { Left, Centre, Right };

// Mouse buttons as handlers see them: 1 left, 2 right, 4 middle.
enum Button : int { kNoButton = 0, kLeft = 1, kRight = 2, kMiddle = 4 };

// Pointer position in twips relative to the widget's top-left corner.
struct MouseArgs {
    int button = 0; // the button that changed (down, up) or all held (move)
    bool shift = false;
    float x = 0;
    float y = 0;
};

using Handler = std::function<void(Forms&)>;
using MouseHandler = std::function<void(Forms&, const MouseArgs&)>;

// One line of a widget table. Only the fields of its kind mean anything.
struct WidgetDef {
    WidgetKind kind = WidgetKind::Picture;
    std::string name;
    float left = 0, top = 0, width = 0, height = 0;
    std::string picture; // asset name
    bool stretch = false;
    std::string text; // caption of labels and buttons, text of text fields
    std::optional<Font> font;
    Colour colour = kBlack; // label text, frame outline
    bool opaque = false;
    Colour background = kWhite;
    Align align = Align::Left;
    int interval = 0;

    Handler click;
    MouseHandler mouseDown, mouseMove, mouseUp;
    Handler timer;

    // Table-building helpers, so that a table line reads like the table.
    WidgetDef& withFont(std::string family, float points, bool bold = false);
    WidgetDef& withColour(Colour c);
    WidgetDef& withBackground(Colour c);
    WidgetDef& aligned(Align a);
    WidgetDef& stretched();
};

WidgetDef picture(std::string name, float left, float top, float width, float height, std::string asset);
WidgetDef label(std::string name, float left, float top, float width, float height, std::string caption);
// The game's usual label: white Arial bold of the given size.
WidgetDef whiteLabel(std::string name, float left, float top, float width, float height, std::string caption,
                     float points);
WidgetDef textField(std::string name, float left, float top, float width, float height,
                    std::string text = {});
WidgetDef list(std::string name, float left, float top, float width, float height);
WidgetDef timer(std::string name, int interval);
WidgetDef shape(std::string name, float left, float top, float width, float height, Colour outline);
WidgetDef button(std::string name, float left, float top, float width, float height, std::string caption);

struct FormDef {
    std::string name;
    std::string caption;
    int width = 0; // client area, twips
    int height = 0;
    std::optional<Font> font;
    std::vector<WidgetDef> widgets; // front to back
    Handler load;

    // Binding of events to handlers; an unknown widget name is a programming error.
    FormDef& onLoad(Handler h);
    FormDef& onClick(const std::string& widget, Handler h);
    FormDef& onMouseDown(const std::string& widget, MouseHandler h);
    FormDef& onMouseMove(const std::string& widget, MouseHandler h);
    FormDef& onMouseUp(const std::string& widget, MouseHandler h);
    FormDef& onTimer(const std::string& widget, Handler h);

    WidgetDef& widget(const std::string& name);
    const WidgetDef* find(const std::string& name) const;
};

// A window with its caption and client size in twips, ready for its table.
FormDef window(std::string name, std::string caption, int width, int height);

} // namespace tallowby
