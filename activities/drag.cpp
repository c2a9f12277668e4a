// SPDX-License-Identifier: GPL-3.0-or-later
#include "drag.h"

namespace tallowby {
namespace {

constexpr const char* kGrabX = "grabX";
constexpr const char* kGrabY = "grabY";

} // namespace

void drag_MouseDown(Form& window, const MouseArgs& e) {
    if (e.button != kLeft) return;
    window.variable(kGrabX) = e.x;
    window.variable(kGrabY) = e.y;
}

void drag_MouseMove(Form& window, Picture picture, const MouseArgs& e) {
    // The left button alone: held together with another button, the picture
    // rests, and the other button's release drops it where it is.
    if (e.button != kLeft) return;
    // X and Y are measured from the picture, which itself moves, so adding
    // the offset from the grab point keeps that point under the pointer.
    // One combined move, so the front end repaints the old and new places once.
    picture.move(picture.left() + e.x - window.variable(kGrabX),
                 picture.top() + e.y - window.variable(kGrabY));
}

void drag_Bind(FormDef& window, const std::string& picture) {
    window.onMouseDown(
        picture, [name = window.name](Forms& app, const MouseArgs& e) { drag_MouseDown(app.form(name), e); });
    window.onMouseMove(picture, [name = window.name, picture](Forms& app, const MouseArgs& e) {
        Form& f = app.form(name);
        drag_MouseMove(f, f.picture(picture), e);
    });
}

} // namespace tallowby
