// SPDX-License-Identifier: GPL-3.0-or-later
// "You have gone through all of the questions": kept ready with its two
// buttons, which act on the Number Picking window and leave this one open.
#include "numpickresult.h"

#include "number_picking.h"

namespace tallowby {
namespace {

FormDef table() {
    FormDef f = window("numpickresult", "Results", 7215, 2490);
    f.widgets = {
        label("Label1", 240, 120, 6615, 1575,
              "You have gone through all of the questions for the activity. Press the PLAY AGAIN button to "
              "start over, or press the BACK TO MENU button to return to the main menu.")
            .withFont("Arial", 15.75f, true)
            .withColour(kWhite),
        picture("Image3", 1680, 1800, 2550, 585, "levelup.Image4"),
        picture("Image2", 4560, 1800, 2550, 585, "NumberPicking.Image6"),
        picture("Image1", 0, 0, 7230, 2535, "numpickresult.Image1"),
    };
    return f;
}

} // namespace

// "Play Again": a new question in the activity window, as its own Play Again gives.
void numpickresult_Image2_Click(Forms& app) {
    NumberPicking_Image6_Click(app);
}

// "Back To Menu": the activity window goes; the menu is open behind it.
void numpickresult_Image3_Click(Forms& app) {
    app.unload("NumberPicking");
}

FormDef numpickresult_definition() {
    FormDef f = table();
    f.onClick("Image2", numpickresult_Image2_Click);
    f.onClick("Image3", numpickresult_Image3_Click);
    return f;
}

} // namespace tallowby
