// SPDX-License-Identifier: GPL-3.0-or-later
// "UH OH!": shown by Check My Answer while some numeral has never been put
// in a slot. It does not hold the board up; the child may go on dragging.
#include "message.h"

namespace tallowby {
namespace {

FormDef table() {
    FormDef f = window("message", "Message", 7215, 2520);
    f.widgets = {
        picture("Image2", 2280, 1800, 2310, 465, "info.Image2"),
        label("Label1", 1440, 840, 5655, 1215,
              "It looks like you haven't placed all of the numbers! You can go back and try again! ")
            .withFont("Arial", 14.25f, true)
            .withColour(kWhite),
        picture("Image1", 0, 0, 7230, 2535, "message.Image1"),
    };
    return f;
}

} // namespace

void message_Image2_Click(Forms& app) {
    app.unload("message");
}

FormDef message_definition() {
    FormDef f = table();
    f.onClick("Image2", message_Image2_Click);
    return f;
}

} // namespace tallowby
