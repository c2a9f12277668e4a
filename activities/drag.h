// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a picture up with the left button and moving it freely, shared by
// the numerals of Numbers Out Of Order and the apples of Number Picking.
// Dragging only moves the picture: each window's own MouseUp handler decides
// what a drop means, and it runs on the release of any button.
#pragma once

#include "app/forms/form.h"

namespace tallowby {

// A left press remembers where in the picture it went down (the window's
// plain variables grabX and grabY, one grab point per window). Other
// buttons change nothing.
void drag_MouseDown(Form& window, const MouseArgs& e);

// With the left button alone held, the picture follows the pointer so that
// the grab point stays under it. No bounds: it may leave the client area.
void drag_MouseMove(Form& window, Picture picture, const MouseArgs& e);

} // namespace tallowby
