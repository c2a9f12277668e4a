// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcome_windows.h"

namespace tallowby {
namespace {

// One line per window; each has its panel and the shared red "Close" button.
struct Outcome {
    const char* window;
    const char* caption;
    int width, height; // client area
    float closeLeft, closeTop;
    const char* panel;
    float panelWidth, panelHeight;
};

constexpr Outcome kOutcomes[] = {
    {"info", "N1", 7215, 2535, 4800, 120, "info.Image1", 7230, 2535},
    {"info2", "N2 ", 8655, 2040, 6240, 120, "info2.Image1", 8685, 2055},
    {"info3", "N3", 8550, 2220, 6000, 240, "info3.Image1", 8565, 2250},
};

} // namespace

// info_Image2_Click, info2_Image2_Click, info3_Image2_Click.
void info_Image2_Click(Forms& app, const Outcome& outcome) {
    app.unload(outcome.window);
}

std::vector<FormDef> outcome_definitions() {
    std::vector<FormDef> all;
    for (const Outcome& o : kOutcomes) {
        FormDef f = window(o.window, o.caption, o.width, o.height);
        f.widgets = {
            picture("Image2", o.closeLeft, o.closeTop, 2310, 465, "info.Image2"),
            picture("Image1", 0, 0, o.panelWidth, o.panelHeight, o.panel),
        };
        f.onClick("Image2", [&o](Forms& app) { info_Image2_Click(app, o); });
        all.push_back(std::move(f));
    }
    return all;
}

} // namespace tallowby
