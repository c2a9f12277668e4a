// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a picture up with the left button and moving it freely, shared by
// the numerals of Numbers Out Of Order and the apples of Number Picking.
// Dragging only moves the picture: each window's own MouseUp handler decides
// what a drop means, and it runs on the release of any button.
#pragma once

#include "app/forms/forms.h"

#include <string>

namespace tallowby {

// A left press remembers where in the picture it went down (the window's
// plain variables grabX and grabY, one grab point per window). Other
// buttons change nothing.
void drag_MouseDown(Form& window, const MouseArgs& e);

// With the left button alone held, the picture follows the pointer so that
// the grab point stays under it. No bounds: it may leave the client area.
void drag_MouseMove(Form& window, Picture picture, const MouseArgs& e);

// Binds these two as the picture's MouseDown and MouseMove handlers in the
// window being defined (MissingNum_oneimg_MouseDown, NumberPicking_apple1_
// MouseMove, ...); its MouseUp, the drop, stays the window's own.
void drag_Bind(FormDef& window, const std::string& picture);

} // namespace tallowby
