// SPDX-License-Identifier: GPL-3.0-or-later
// Number Picking: a numeral on the trunk of a tree, ten apples in its crown.
// The child drags that many apples into the box; each one that lands there
// vanishes and the crate below fills one compartment more. Check My Answer
// shows the count beside the numeral without judging it, and Play Again asks
// a new number by loading the window afresh.
#include "number_picking.h"

#include "activities/deck.h"
#include "activities/drag.h"
#include "app/catalogue.h"
#include "app/forms/number_text.h"

#include <array>
#include <string>
#include <string_view>

namespace tallowby {
namespace {

// Every apple, in the tree and in the crate, is the same picture.
constexpr const char* kApple = "NumberPicking.token10";

constexpr Colour kArrowBlue{0x00, 0x00, 0xC0};
constexpr Colour kInstructionGrey{0x40, 0x40, 0x40};

FormDef table() {
    FormDef f = window("NumberPicking", "Picking Numbers!", 8820, 9150);
    f.widgets = {
        textField("applecounttxt", 11400, 1320, 1575, 285),
        button("Command1", 9840, 6360, 1455, 855, "Redeploy Apples"),
        textField("tenanstxt", 10080, 5520, 1095, 285),
        textField("nineanstxt", 10080, 5040, 1095, 285),
        textField("eightanstxt", 10080, 4680, 1095, 285),
        textField("sevenanstxt", 10080, 4200, 1095, 285),
        textField("sixanstxt", 10080, 3720, 1095, 285),
        textField("fiveanstxt", 10080, 3240, 1095, 285),
        textField("fouranstxt", 10080, 2760, 1095, 285),
        textField("threeanstxt", 10080, 2280, 1095, 285),
        textField("twoanstxt", 10080, 1800, 1095, 285),
        textField("oneanstxt", 10080, 1320, 1095, 285),
        textField("picktxt", 10080, 240, 975, 285),
        list("Quelist", 9120, 120, 735, 1620),
        picture("Image6", 5520, 8160, 2550, 585, "NumberPicking.Image6"),
        label("Label8", 11520, 1680, 1575, 495, ""),
        picture("token10", 4080, 7800, 555, 570, kApple),
        picture("token9", 3240, 7800, 555, 570, kApple),
        picture("token8", 2280, 7800, 555, 570, kApple),
        picture("token7", 1320, 7800, 555, 570, kApple),
        picture("token6", 360, 7800, 555, 570, kApple),
        picture("token5", 4080, 6840, 555, 570, kApple),
        picture("token4", 3240, 6840, 555, 570, kApple),
        picture("token3", 2280, 6840, 555, 570, kApple),
        picture("token2", 1320, 6840, 555, 570, kApple),
        picture("apple4", 1680, 2760, 555, 570, kApple),
        picture("apple2", 1800, 1680, 555, 570, kApple),
        picture("apple6", 2760, 1080, 555, 570, kApple),
        picture("apple10", 3360, 2280, 555, 570, kApple),
        picture("apple3", 4200, 1080, 555, 570, kApple),
        picture("apple5", 4320, 2640, 555, 570, kApple),
        picture("apple8", 4560, 1800, 555, 570, kApple),
        picture("apple7", 6120, 1440, 555, 570, kApple),
        picture("apple9", 6360, 2520, 555, 570, kApple),
        picture("apple1", 5280, 2520, 555, 570, kApple),
        picture("token1", 360, 6840, 555, 570, kApple),
        label("Label7", 240, 5640, 3135, 375, "Drag Apples HERE  -- >")
            .withFont("Arial", 14.25f, true)
            .withColour(kArrowBlue),
        picture("Image5", 3600, 5280, 990, 945, "NumberPicking.Image5"),
        shape("Shape1", 5160, 6960, 3255, 975, kWhite),
        picture("Image3", 120, 6600, 4800, 1935, "NumberPicking.Image3"),
        picture("Image4", 0, 7920, 8880, 1230, "NumberPicking.Image4"),
        whiteLabel("Label6", 5880, 7560, 1815, 255, "apples picked.", 12),
        whiteLabel("picktxtlbl", 7440, 7200, 495, 375, "", 12),
        whiteLabel("Label5", 5280, 6960, 1095, 375, "Results:", 12),
        whiteLabel("endresultlbl", 5280, 7200, 495, 255, "", 11.25f),
        whiteLabel("Label4", 5880, 7200, 1575, 375, "apples out of ", 12),
        picture("checkans", 5160, 6360, 3315, 465, "MissingNum.Image12"),
        label("Label3", 10080, 840, 1815, 255, "Are Apples Placed"),
        picture("Image2", 6240, 5160, 2550, 585, "levelup.Image4"),
        label("Label2", 8280, 120, 375, 255, "N3").withFont("Arial", 11.25f, true),
        picture("small10", 3790, 4440, 690, 585, "NumberPicking.small10"),
        picture("small9", 3790, 4440, 690, 585, "nummatch.ninea"),
        picture("small8", 3790, 4440, 690, 585, "nummatch.eighta"),
        picture("small7", 3790, 4440, 690, 585, "nummatch.sevena"),
        picture("small6", 3790, 4440, 690, 585, "nummatch.sixa"),
        picture("small5", 3790, 4440, 690, 585, "nummatch.fivea"),
        picture("small4", 3790, 4440, 690, 585, "nummatch.foura"),
        picture("small3", 3790, 4440, 690, 585, "nummatch.threea"),
        picture("small2", 3790, 4440, 690, 585, "nummatch.twoa"),
        picture("small1", 3790, 4440, 690, 585, "NumberPicking.small1"),
        // 8295 wide rather than 8175: Liberation Sans, which stands in for
        // Arial, sets the sentence 549 px wide, and in 545 px "box." would
        // wrap onto a second line that the label's height cuts off.
        label("Label1", 240, 600, 8295, 255,
              "Pick the number of apples  shown  on the trunk and put them in the box.")
            .withFont("Arial", 12, true)
            .withColour(kInstructionGrey),
        picture("Image1", 0, 0, 8865, 8010, "NumberPicking.Image1"),
    };
    return f;
}

// The question keys; key k puts the numeral k on the trunk.
constexpr std::array<std::string_view, 10> kKeys{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};

struct Place {
    float left, top;
};

// The ten apples and their drop rule's constants. An apple that goes into
// the box is parked, unseen, on the place of the crate apple of its own
// number; what the crate shows depends on the count alone.
struct Apple {
    const char* picture;
    const char* field; // "" until the first release, then "1" in the box, "0" not
    Place home;
    Place compartment;
};
constexpr Apple kApples[] = {
    {"apple1", "oneanstxt", {5280, 2520}, {360, 6840}},
    {"apple2", "twoanstxt", {1800, 1680}, {1320, 6840}},
    {"apple3", "threeanstxt", {4200, 1080}, {2280, 6840}},
    {"apple4", "fouranstxt", {1680, 2760}, {3240, 6840}},
    {"apple5", "fiveanstxt", {4320, 2640}, {4080, 6840}},
    {"apple6", "sixanstxt", {2760, 1080}, {360, 7800}},
    {"apple7", "sevenanstxt", {6120, 1440}, {1320, 7800}},
    {"apple8", "eightanstxt", {4560, 1800}, {2280, 7800}},
    {"apple9", "nineanstxt", {6360, 2520}, {3240, 7800}},
    {"apple10", "tenanstxt", {3360, 2280}, {4080, 7800}},
};

// Where a released apple counts as in the box, tested on its own top-left
// corner, all bounds exclusive. It shares the box's left and top edges but
// stops 900 twips in from them, short of the box's right and bottom edges.
constexpr float kDropLeft = 3600, kDropRight = 4500;
constexpr float kDropTop = 5280, kDropBottom = 6180;

constexpr Place kTrunk{3790, 4440};

// Crate apple k fills compartment k; trunk tile k shows the numeral k.
std::string crateApple(int k) {
    return "token" + std::to_string(k);
}
std::string trunkTile(int k) {
    return "small" + std::to_string(k);
}

// The results panel with its Play Again, in the order they are shown.
void setResultsVisible(Form& f, bool visible) {
    f.shape("Shape1").setVisible(visible);
    for (const char* name : {"Label5", "endresultlbl", "Label4", "picktxtlbl", "Label6"})
        f.label(name).setVisible(visible);
    f.picture("Image6").setVisible(visible);
}

} // namespace

void NumberPicking_Form_Load(Forms& app) {
    Form& f = app.form("NumberPicking");
    f.label("Label2").setVisible(false);
    NumberPicking_HideResults(app);
    for (int k = 1; k <= 10; ++k)
        f.picture(crateApple(k)).setVisible(false);
    NumberPicking_AppleFormPlace(app);
    for (const Apple& a : kApples)
        f.textField(a.field).setText("");
    QuestionDeck deck(app, f);
    deck.forgetDrawn();
    NumberPicking_SmallNumberPlacement(app);
    deck.add(kKeys);
    NumberPicking_PickQuestion(app);
}

// Back To Menu: the menu stayed open behind the tree.
void NumberPicking_Image2_Click(Forms& app) {
    app.unload("NumberPicking");
}

// Redeploy Apples, parked out of the child's reach: the apples left lying
// go home; those in the box stay hidden and counted.
void NumberPicking_Command1_Click(Forms& app) {
    NumberPicking_AppleFormPlace(app);
}

// The N3 label is hidden at load and nothing shows it again.
void NumberPicking_Label2_Click(Forms& app) {
    app.show("info3");
}

// NumberPicking_apple1_MouseUp ... NumberPicking_apple10_MouseUp: the drop.
// Runs on the release of any button, wherever the pointer is; only the
// apple's top-left corner counts. The count and the crate are brought up
// to date on every release, in the box or not.
void NumberPicking_apple_MouseUp(Forms& app, const Apple& apple, const MouseArgs&) {
    Form& f = app.form("NumberPicking");
    Picture picture = f.picture(apple.picture);
    const float top = picture.top(), left = picture.left();
    if (top > kDropTop && top < kDropBottom && left > kDropLeft && left < kDropRight) {
        picture.move(apple.compartment.left, apple.compartment.top);
        f.textField(apple.field).setText("1");
        app.playCue(cue::kDong);
        // Hidden, it can no longer be picked up: the count never falls.
        picture.setVisible(false);
    }
    double count = 0;
    for (const Apple& a : kApples) {
        TextField field = f.textField(a.field);
        if (field.text().empty()) field.setText("0");
        count += readLenient(field.text());
    }
    TextField counted = f.textField("applecounttxt");
    counted.setText(numberText(count));
    // The crate fills from compartment 1 whichever apples went in; a count
    // of 0 leaves it as it is, empty.
    for (int c = 1; c <= 10; ++c) {
        if (counted.text() != numberText(c)) continue;
        for (int k = 1; k <= 10; ++k)
            f.picture(crateApple(k)).setVisible(k <= c);
    }
}

// Check My Answer: the count beside the trunk number, judged by the child
// or the adult beside them, not by the game. The apples stay in play.
void NumberPicking_checkans_Click(Forms& app) {
    Form& f = app.form("NumberPicking");
    setResultsVisible(f, true);
    f.label("picktxtlbl").setCaption(f.textField("picktxt").text());
    // Still "" only when no apple has been let go since the window loaded.
    if (f.textField("oneanstxt").text().empty())
        for (const Apple& a : kApples)
            f.textField(a.field).setText("0");
    // Every field holds "0" or "1" now.
    double count = 0;
    for (const Apple& a : kApples)
        count += app.readStrict(f.textField(a.field).text());
    f.label("endresultlbl").setCaption(numberText(count));
}

// Play Again: a new question is a freshly loaded window, with a full deck;
// the random source goes on, so the number may come again.
void NumberPicking_Image6_Click(Forms& app) {
    app.unload("NumberPicking");
    app.show("NumberPicking");
}

void NumberPicking_HideResults(Forms& app) {
    setResultsVisible(app.form("NumberPicking"), false);
}

// Moves every apple home without touching its visibility: apples in the box
// go home unseen and stay there.
void NumberPicking_AppleFormPlace(Forms& app) {
    Form& f = app.form("NumberPicking");
    for (const Apple& a : kApples)
        f.picture(a.picture).move(a.home.left, a.home.top);
}

// The ten trunk tiles on one spot, all hidden until a question is drawn.
void NumberPicking_SmallNumberPlacement(Forms& app) {
    Form& f = app.form("NumberPicking");
    for (int k = 1; k <= 10; ++k) {
        Picture tile = f.picture(trunkTile(k));
        tile.move(kTrunk.left, kTrunk.top);
        tile.setVisible(false);
    }
}

// Runs once per load, right after the deck was filled, so the numeral is
// drawn from all ten and the nine keys left are never drawn.
void NumberPicking_PickQuestion(Forms& app) {
    Form& f = app.form("NumberPicking");
    NumberPicking_HideResults(app);
    NumberPicking_AppleFormPlace(app);
    QuestionDeck deck(app, f);
    deck.draw();
    for (int k = 1; k <= 10; ++k) {
        if (deck.drawn() != kKeys[k - 1]) continue;
        for (int tile = 1; tile <= 10; ++tile)
            f.picture(trunkTile(tile)).setVisible(tile == k);
    }
}

FormDef NumberPicking_definition() {
    FormDef f = table();
    f.onLoad(NumberPicking_Form_Load);
    f.onClick("Image2", NumberPicking_Image2_Click);
    f.onClick("Command1", NumberPicking_Command1_Click);
    f.onClick("Label2", NumberPicking_Label2_Click);
    f.onClick("checkans", NumberPicking_checkans_Click);
    f.onClick("Image6", NumberPicking_Image6_Click);
    for (const Apple& a : kApples) {
        drag_Bind(f, a.picture);
        f.onMouseUp(a.picture,
                    [&a](Forms& app, const MouseArgs& e) { NumberPicking_apple_MouseUp(app, a, e); });
    }
    return f;
}

} // namespace tallowby
