// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the product panel, two credit lines that open their
// sites, and a button that closes only this window.
#include "about.h"

#include "web_addresses.h"

namespace tallowby {

std::string About_makerCredit() {
    return std::string("For more educational software, visit us online at ") + web::kMakerWebSite;
}

std::string About_soundCredit() {
    return std::string("The sound effects used in this program are generously provided by ") +
           web::kSoundSiteName + ". Visit them online at " + web::kSoundSiteAddress + " ";
}

namespace {

FormDef table() {
    FormDef f = window("About", "About Tallowby Rererezezado", 6735, 6075);
    f.widgets = {
        label("Label2", 120, 4920, 6495, 495, About_soundCredit())
            .withFont("Arial", 9, true)
            .withColour(kWhite)
            .aligned(Align::Centre),
        label("Label1", 120, 4680, 6615, 375, About_makerCredit())
            .withFont("Arial", 9, true)
            .withColour(kWhite)
            .aligned(Align::Centre),
        picture("Image2", 2160, 5520, 2310, 465, "main.Image2"),
        picture("Image1", 0, 0, 6735, 6090, "About.Image1"),
    };
    return f;
}

} // namespace

void About_Image2_Click(Forms& app) {
    app.unload("About");
}
void About_Label1_Click(Forms& app) {
    app.openAddress("About", web::kMakerWebSite);
}
void About_Label2_Click(Forms& app) {
    app.openAddress("About", web::kSoundSiteAddress);
}

FormDef About_definition() {
    FormDef f = table();
    f.onClick("Image2", About_Image2_Click);
    f.onClick("Label1", About_Label1_Click);
    f.onClick("Label2", About_Label2_Click);
    return f;
}

} // namespace tallowby
