// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers Out Of Order: the child drags the numerals 1 to 10 from the thought
// bubble into a row of ten slots, checks, and watches the right order appear
// under the slots one tile at a time. The board's state is the numerals'
// positions, the ten hidden answer fields, the score caption and the reveal
// counter; Start Over simply loads the window afresh.
#include "missing_num.h"

#include "activities/drag.h"
#include "app/catalogue.h"
#include "app/forms/number_text.h"

#include <string>

namespace tallowby {
namespace {

FormDef table() {
    FormDef f = window("MissingNum", "Putting Numbers 1-10 In Order", 8835, 7980);
    f.widgets = {
        textField("tenanstxt", 9360, 4560, 975, 375),
        textField("nineanstxt", 9360, 4080, 975, 375),
        textField("eightanstxt", 9360, 3600, 975, 375),
        textField("sevenanstxt", 9360, 3120, 975, 375),
        textField("sixanstxt", 9360, 2640, 975, 375),
        textField("fiveanstxt", 9360, 2160, 975, 375),
        textField("fouranstxt", 9360, 1680, 975, 375),
        textField("threeanstxt", 9360, 1200, 975, 375),
        textField("twoanstxt", 9360, 720, 975, 375),
        textField("oneanstxt", 9360, 240, 975, 375),
        timer("showtimer", 250),
        label("Label3", 8400, 120, 615, 255, "N1").withFont("Arial", 14.25f, true).withColour(kWhite),
        label("Label4", 840, 7200, 2415, 615, "out of 10 numbers in order.")
            .withFont("Arial", 12, true)
            .withColour(kWhite),
        label("endresultlbl", 240, 7200, 495, 255, "").withFont("Arial", 11.25f, true).withColour(kWhite),
        label("Label2", 120, 6840, 1095, 375, "Results:").withFont("Arial", 12, true).withColour(kWhite),
        shape("Shape1", 120, 6840, 3255, 975, kWhite),
        picture("Image15", 0, 960, 1545, 2745, "MissingNum.Image15"),
        picture("tenimg", 6480, 2160, 825, 615, "MissingNum.tenimg"),
        picture("nineimg", 7920, 960, 450, 615, "MissingNum.nineimg"),
        picture("eightimg", 7800, 1800, 435, 630, "MissingNum.eightimg"),
        picture("sevenimg", 4920, 1920, 480, 615, "MissingNum.sevenimg"),
        picture("siximg", 6480, 480, 435, 630, "MissingNum.siximg"),
        picture("fiveimg", 7200, 1200, 450, 630, "MissingNum.fiveimg"),
        picture("fourimg", 6360, 1320, 480, 615, "MissingNum.fourimg"),
        picture("threeimg", 5520, 2160, 420, 630, "MissingNum.threeimg"),
        picture("twoimg", 5280, 1320, 405, 600, "MissingNum.twoimg"),
        picture("Image14", 6240, 7320, 2550, 585, "levelup.Image4"),
        picture("Image13", 2760, 6240, 3315, 465, "MissingNum.Image13"),
        picture("oneimg", 5760, 720, 300, 585, "MissingNum.oneimg"),
        picture("Image11", 7665, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image10", 6840, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image9", 6000, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image8", 5160, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image7", 4305, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image6", 3450, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image5", 2625, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image4", 1800, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image3", 945, 3840, 840, 630, "MissingNum.Image11"),
        picture("Image2", 120, 3840, 840, 630, "MissingNum.Image11"),
        label("lblcount", 9720, 7200, 615, 255, "20"),
        picture("answer10", 7680, 4560, 840, 630, "MissingNum.answer10"),
        picture("answer9", 6840, 4560, 840, 630, "MissingNum.answer9"),
        picture("answer8", 6000, 4560, 840, 630, "MissingNum.answer8"),
        picture("answer7", 5160, 4560, 840, 630, "MissingNum.answer7"),
        picture("answer6", 4320, 4560, 840, 630, "MissingNum.answer6"),
        picture("answer5", 3480, 4560, 840, 630, "MissingNum.answer5"),
        picture("answer4", 2640, 4560, 840, 630, "MissingNum.answer4"),
        picture("answer3", 1800, 4560, 840, 630, "MissingNum.answer3"),
        picture("answer2", 960, 4560, 840, 630, "MissingNum.answer2"),
        picture("answer1", 120, 4560, 840, 630, "MissingNum.answer1"),
        picture("Image12", 2760, 5640, 3315, 465, "MissingNum.Image12"),
        picture("order10", 7680, 4560, 840, 630, "MissingNum.order10"),
        picture("order9", 6840, 4560, 840, 630, "MissingNum.order10"),
        picture("order8", 6000, 4560, 840, 630, "MissingNum.order10"),
        picture("order7", 5160, 4560, 840, 630, "MissingNum.order10"),
        picture("order6", 4320, 4560, 840, 630, "MissingNum.order10"),
        picture("order5", 3480, 4560, 840, 630, "MissingNum.order10"),
        picture("order4", 2640, 4560, 840, 630, "MissingNum.order10"),
        picture("order3", 1800, 4560, 840, 630, "MissingNum.order10"),
        picture("order2", 960, 4560, 840, 630, "MissingNum.order10"),
        picture("order1", 120, 4560, 840, 630, "MissingNum.order10"),
        label("Label1", 240, 240, 3255, 975,
              "I think these numbers are out of order. Can you help me put them back in order?")
            .withFont("Arial", 12, true)
            .withColour(kWhite),
        picture("Image1", 0, 0, 8865, 8010, "MissingNum.Image1"),
    };
    return f;
}

// Where a numeral sits once it lands in a slot: 240 twips in from the left
// edge of the answer tile below, or flush with that edge. Numeral 10 is too
// wide for the inset; numeral 9 sits flush in its own slot and inset in all
// the others.
enum class Snap { Inset, Flush, FlushInOwnSlot };

// The ten numerals and their drop rule's constants.
struct Numeral {
    const char* picture;
    const char* field; // "" never placed, "1" last placed in its own slot, "0" elsewhere
    int ownSlot;
    Snap snap;
};
constexpr Numeral kNumerals[] = {
    {"oneimg", "oneanstxt", 1, Snap::Inset},
    {"twoimg", "twoanstxt", 2, Snap::Inset},
    {"threeimg", "threeanstxt", 3, Snap::Inset},
    {"fourimg", "fouranstxt", 4, Snap::Inset},
    {"fiveimg", "fiveanstxt", 5, Snap::Inset},
    {"siximg", "sixanstxt", 6, Snap::Inset},
    {"sevenimg", "sevenanstxt", 7, Snap::Inset},
    {"eightimg", "eightanstxt", 8, Snap::Inset},
    {"nineimg", "nineanstxt", 9, Snap::FlushInOwnSlot},
    {"tenimg", "tenanstxt", 10, Snap::Flush},
};

// The drop ranges of slots 1 to 10, tested against the numeral's top-left
// corner rather than the pointer or the slot pictures (which stand a little
// off the tiles below). All bounds exclusive; the gaps between some ranges
// take no numeral.
struct Slot {
    float leftAbove, leftBelow;
    float insetLeft, flushLeft;
};
constexpr Slot kSlots[] = {
    {120, 900, 360, 120},     {960, 1785, 1200, 960},   {1800, 2625, 2040, 1800}, {2640, 3465, 2880, 2640},
    {3480, 4290, 3720, 3480}, {4320, 5145, 4560, 4320}, {5160, 6000, 5400, 5160}, {6000, 6840, 6240, 6000},
    {6840, 7600, 7080, 6840}, {7680, 8505, 7920, 7680},
};
constexpr float kDropBandAbove = 3840, kDropBandBelow = 4200;
constexpr float kSlotTop = 3840;

// Widgets of the answer row, position k from 1 to 10.
std::string orderTile(int k) {
    return "order" + std::to_string(k);
}
std::string answerTile(int k) {
    return "answer" + std::to_string(k);
}

// The reveal counter rests at 20 and counts down to 10, one tile per tick.
constexpr int kCounterAtRest = 20;
constexpr int kCounterLast = 10;

float snapLeft(const Numeral& numeral, int slot) {
    const Slot& s = kSlots[slot - 1];
    switch (numeral.snap) {
    case Snap::Inset:
        return s.insetLeft;
    case Snap::Flush:
        return s.flushLeft;
    case Snap::FlushInOwnSlot:
        return slot == numeral.ownSlot ? s.flushLeft : s.insetLeft;
    }
    return s.insetLeft;
}

} // namespace

void MissingNum_Form_Load(Forms& app) {
    Form& f = app.form("MissingNum");
    f.label("Label3").setVisible(false);
    app.playCue(cue::kStartup);
    f.label("endresultlbl").setCaption("");
    for (const Numeral& n : kNumerals)
        f.textField(n.field).setText("");
    f.timer("showtimer").setEnabled(false);
    f.label("lblcount").setCaption(numberText(kCounterAtRest));
    for (int k = 1; k <= 10; ++k)
        f.picture(orderTile(k)).setVisible(true);
    for (int k = 1; k <= 10; ++k)
        f.picture(answerTile(k)).setVisible(false);
}

// Start Over: a fresh board is a freshly loaded window.
void MissingNum_Image13_Click(Forms& app) {
    app.unload("MissingNum");
    app.show("MissingNum");
}

// Back To Menu: the menu stayed open behind the board.
void MissingNum_Image14_Click(Forms& app) {
    app.unload("MissingNum");
}

void MissingNum_Label3_Click(Forms& app) {
    app.show("info");
}

// MissingNum_oneimg_MouseUp ... MissingNum_tenimg_MouseUp: the drop. Runs on
// the release of any button, wherever the pointer is; only the numeral's
// top-left corner counts.
void MissingNum_numeral_MouseUp(Forms& app, const Numeral& numeral, const MouseArgs&) {
    Form& f = app.form("MissingNum");
    Picture picture = f.picture(numeral.picture);
    for (int slot = 1; slot <= 10; ++slot) {
        const Slot& s = kSlots[slot - 1];
        const float left = picture.left(), top = picture.top();
        if (!(top > kDropBandAbove && top < kDropBandBelow && left > s.leftAbove && left < s.leftBelow))
            continue;
        // Snapped to the slot row's top, the numeral is outside the band, so a
        // release places it once at most.
        picture.move(snapLeft(numeral, slot), kSlotTop);
        f.textField(numeral.field).setText(slot == numeral.ownSlot ? "1" : "0");
        app.playCue(cue::kDong);
        return;
    }
}

// Check My Answer: the message window while any numeral has never been
// placed; otherwise the score at once, then the reveal.
void MissingNum_Image12_Click(Forms& app) {
    Form& f = app.form("MissingNum");
    for (const Numeral& n : kNumerals)
        if (f.textField(n.field).text().empty()) {
            f.timer("showtimer").setEnabled(false);
            app.show("message");
            return;
        }
    // Already running, the reveal carries on where it is.
    f.timer("showtimer").setEnabled(true);
    // Every field holds "0" or "1" here; the sum counts the numerals last
    // placed in their own slot, wherever they lie now.
    double score = 0;
    for (const Numeral& n : kNumerals)
        score += app.readStrict(f.textField(n.field).text());
    f.label("endresultlbl").setCaption(numberText(score));
}

// One tile of the right order per tick, left to right, with a click.
void MissingNum_showtimer_Timer(Forms& app) {
    Form& f = app.form("MissingNum");
    Label counter = f.label("lblcount");
    counter.setCaption(numberText(app.readStrict(counter.caption()) - 1));
    const double v = app.readStrict(counter.caption());
    for (int k = 1; k <= 10; ++k) {
        if (v != kCounterAtRest - k) continue;
        app.playCue(cue::kClick);
        f.picture(orderTile(k)).setVisible(false);
        f.picture(answerTile(k)).setVisible(true);
    }
    if (v == kCounterLast) {
        f.timer("showtimer").setEnabled(false);
        counter.setCaption(numberText(kCounterAtRest));
    }
}

FormDef MissingNum_definition() {
    FormDef f = table();
    f.onLoad(MissingNum_Form_Load);
    f.onClick("Image13", MissingNum_Image13_Click);
    f.onClick("Image14", MissingNum_Image14_Click);
    f.onClick("Label3", MissingNum_Label3_Click);
    f.onClick("Image12", MissingNum_Image12_Click);
    f.onTimer("showtimer", MissingNum_showtimer_Timer);
    for (const Numeral& n : kNumerals) {
        drag_Bind(f, n.picture);
        f.onMouseUp(n.picture,
                    [&n](Forms& app, const MouseArgs& e) { MissingNum_numeral_MouseUp(app, n, e); });
    }
    return f;
}

} // namespace tallowby
