// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: four activity bars, About and EXIT, and the bars' slide.
#include "main_menu.h"

#include "app/catalogue.h"
#include "app/forms/number_text.h"
#include "web_addresses.h"

namespace tallowby {
namespace {

FormDef table() {
    FormDef f = window("main", "Tallowby - MATH - Numbers 1-10", 8835, 7575);
    f.widgets = {
        textField("savtxt", 9360, 720, 855, 285),
        timer("movetimer4", 1),
        timer("movetimer3", 1),
        timer("movetimer2", 1),
        timer("movetimer", 1),
        picture("Image7", 1800, 4680, 4800, 480, "main.Image7"),
        picture("Image6", 6360, 6360, 2310, 465, "main.Image6"),
        picture("Image5", 1800, 4080, 4800, 480, "main.Image5"),
        label("timelbl", 11760, 240, 1335, 495, "").withBackground(kWhite),
        picture("Image4", 1800, 3480, 4800, 480, "main.Image4"),
        picture("Image3", 2040, 2280, 4800, 480, "main.Image3"),
        label("Label1", 9360, 120, 1335, 255, "Outcome N1")
            .withFont("Arial", 11.25f, true)
            .withColour(kWhite),
        picture("Image2", 6360, 6960, 2310, 465, "main.Image2"),
        picture("Image1", 0, 0, 8865, 8010, "main.Image1"),
    };
    return f;
}

// One slide per activity bar: its timer, its bar, the window it opens.
struct Slide {
    const char* timer;
    const char* bar;
    const char* window;
};
constexpr Slide kSlides[] = {
    {"movetimer", "Image3", "nummatch"},
    {"movetimer2", "Image4", "MissingNum"},
    {"movetimer3", "Image5", "Sequence"},
    {"movetimer4", "Image7", "NumberPicking"},
};

constexpr float kBarHome = 1800;

} // namespace

void main_Form_Load(Forms& app) {
    Form& f = app.form("main");
    for (const Slide& s : kSlides)
        f.timer(s.timer).setEnabled(false);
    f.label("timelbl").setCaption("8");
    f.picture("Image3").move(kBarHome, 2880);
}

// Activity bars: the chime, then the bar's slide.
void main_bar_Click(Forms& app, const Slide& slide) {
    app.playCue(cue::kChime);
    app.form("main").timer(slide.timer).setEnabled(true);
}

void main_Image6_Click(Forms& app) {
    app.show("About");
}
void main_Label1_Click(Forms& app) {
    app.show("info");
}

void main_Image2_Click(Forms& app) {
    app.openAddress("main", web::kMakerHomePage);
    main_UnloadAllForms(app, "main");
    app.unload("main");
}

// One tick of a bar's slide. The countdown in timelbl is shared by every
// running slide, so two bars at once each move in bigger steps.
void main_movetimer_Timer(Forms& app, const Slide& slide) {
    Form& f = app.form("main");
    Label countdown = f.label("timelbl");
    countdown.setCaption(numberText(readLenient(countdown.caption()) - 1));
    double n = app.readStrict(countdown.caption());
    if (n <= 7 && n >= -62) {
        f.picture(slide.bar).setLeft(static_cast<float>(1900 + 100 * (7 - n)));
    } else if (n == -63) {
        f.picture(slide.bar).setLeft(kBarHome);
        f.timer(slide.timer).setEnabled(false);
        countdown.setCaption("8");
        app.show(slide.window);
    }
}

void main_UnloadAllForms(Forms& app, const std::string& keep) {
    std::vector<std::string> loaded = app.loadedNames();
    for (const auto& name : loaded)
        if (name != keep) app.unload(name);
}

FormDef main_definition() {
    FormDef f = table();
    f.onLoad(main_Form_Load);
    for (const Slide& s : kSlides) {
        f.onClick(s.bar, [&s](Forms& app) { main_bar_Click(app, s); });
        f.onTimer(s.timer, [&s](Forms& app) { main_movetimer_Timer(app, s); });
    }
    f.onClick("Image6", main_Image6_Click);
    f.onClick("Label1", main_Label1_Click);
    f.onClick("Image2", main_Image2_Click);
    return f;
}

} // namespace tallowby
