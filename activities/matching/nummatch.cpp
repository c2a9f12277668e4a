// SPDX-License-Identifier: GPL-3.0-or-later
// Number Matching: the window, its round-1 set-up, the questions and the
// answers with their progress lights.
#include "nummatch.h"

#include "activities/deck.h"
#include "app/catalogue.h"
#include "app/forms/number_text.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

namespace tallowby {
namespace {

// One progress light: three lamps on one spot, N = 5 at the bottom.
constexpr float kLightLeft = 1320;
constexpr float lightTop(int n) {
    return 960 + 360 * static_cast<float>(n - 1);
}

void lamps(std::vector<WidgetDef>& widgets, const std::string& kind) {
    for (int n = 5; n >= 1; --n) {
        const float height = (kind == "wrong" && n == 2) ? 315 : 345; // wrong2 sits a little shorter
        widgets.push_back(
            picture(kind + std::to_string(n), kLightLeft, lightTop(n), 450, height, "nummatch." + kind + "5")
                .stretched());
    }
}

// Numeral tiles that the window carries but never shows.
void parkedTiles(std::vector<WidgetDef>& widgets, std::initializer_list<const char*> names, float top) {
    for (const char* name : names)
        widgets.push_back(picture(name, 9000, top, 690, 585, std::string("nummatch.") + name));
}

FormDef table() {
    FormDef f = window("nummatch", "Number Matching - Round", 8850, 7605);
    auto& w = f.widgets;
    w = {
        textField("roundtxt", 9960, 6240, 1215, 495),
        textField("clickedon", 9960, 600, 1215, 285),
        list("Quelist", 9000, 120, 735, 1815),
        textField("picktxt", 9960, 120, 1215, 375),
        picture("dot5b", 10800, 2640, 690, 585, "nummatch.dot5b"),
        picture("dot4b", 10800, 1320, 690, 585, "nummatch.dot4b"),
        picture("dot3b", 10080, 2040, 690, 585, "nummatch.dot3b"),
        picture("dot2b", 11520, 2040, 690, 585, "nummatch.dot2b"),
        picture("dot1b", 10800, 2040, 690, 585, "nummatch.dot1b"),
        label("Label9", 9960, 5880, 1215, 255, "What Level Is It?").withBackground(kWhite),
        whiteLabel("Label8", 120, 2400, 1215, 375, "Number 5", 12),
        whiteLabel("Label7", 120, 2040, 1215, 375, "Number 4", 12),
        whiteLabel("Label6", 120, 1680, 1215, 375, "Number 3", 12),
        whiteLabel("Label5", 120, 1320, 1215, 375, "Number 2", 12),
        whiteLabel("Label3", 120, 960, 1215, 375, "Number 1", 12),
    };
    lamps(w, "wrong");
    lamps(w, "question");
    lamps(w, "right");
    const WidgetDef numeralsAndDots[] = {
        picture("big5", 9000, 4200, 1455, 1305, "nummatch.big5"),
        picture("big4", 9000, 4200, 1455, 1305, "nummatch.big4"),
        picture("big3", 9000, 4200, 1455, 1305, "nummatch.big3"),
        picture("big2", 9000, 4200, 1455, 1305, "nummatch.big2"),
        picture("big1", 9000, 4200, 1455, 1305, "nummatch.big1"),
        picture("dot5", 6000, 4320, 690, 585, "nummatch.dot5"),
        picture("dot4", 4920, 4320, 690, 585, "nummatch.dot4"),
        picture("dot3", 3840, 4320, 690, 585, "nummatch.dot3"),
        picture("dot2", 2760, 4320, 690, 585, "nummatch.dot2"),
        picture("dot1", 1680, 4320, 690, 585, "nummatch.dot1"),
    };
    w.insert(w.end(), std::begin(numeralsAndDots), std::end(numeralsAndDots));
    parkedTiles(w, {"nineb", "tenb", "eightb", "sevenb", "sixb", "fiveb", "fourb", "threeb", "twob", "oneb"},
                2040);
    w.push_back(whiteLabel("Label4", 8400, 120, 375, 375, "N2", 15.75f));
    w.push_back(whiteLabel("numcountlbl", 3840, 7080, 375, 375, "00", 15.75f));
    w.push_back(whiteLabel("Label2", 120, 7080, 3735, 375, "Numbers Left To Match:", 15.75f));
    parkedTiles(w, {"tena", "ninea", "eighta", "sevena", "sixa", "fivea", "foura", "twoa", "threea", "onea"},
                2760);
    w.push_back(picture("Image2", 6240, 6960, 2550, 585, "nummatch.Image2"));
    w.push_back(
        whiteLabel("Label1", 1080, 5040, 6615, 375, "Click On The  Match To The Number In RED", 15.75f));
    w.push_back(picture("Image1", 0, -360, 8865, 8010, "nummatch.Image1"));
    return f;
}

// The numeral tile of a question, and the five places of the dot row.
constexpr float kNumeralLeft = 3800, kNumeralTop = 1320;
constexpr float kRowTop = 4320;
constexpr float kPlaceLeft[5] = {1680, 2760, 3840, 4920, 6000};

// Squares on the dot tile at places 1 to 5, per numeral asked (numeral 1 first).
using DotRow = std::array<int, 5>;
using DotRows = std::array<DotRow, 5>;
constexpr DotRows kDotRows{{
    {2, 5, 1, 3, 4},
    {2, 1, 5, 4, 3},
    {3, 2, 4, 5, 1},
    {4, 1, 3, 2, 5},
    {2, 1, 4, 3, 5},
}};
// The very first question after the window loads is laid out once more from
// this table; it moves the matching tile for 4 to the end of the row.
constexpr DotRows kStartRows{{
    kDotRows[0],
    kDotRows[1],
    kDotRows[2],
    {5, 1, 3, 2, 4},
    kDotRows[4],
}};

// What tells the two rounds apart: their keys and their own dot tiles.
struct Round {
    const std::array<std::string_view, 5>* keys;
    const char* tileSuffix; // dotN or dotNb
    void (*pickQuestion)(Forms&);

    // The numeral a key of this round asks for, 0 for any other text.
    int numeralOf(const std::string& key) const {
        for (int n = 1; n <= 5; ++n)
            if (key == (*keys)[n - 1]) return n;
        return 0;
    }
    std::string dotTile(int squares) const { return "dot" + std::to_string(squares) + tileSuffix; }
};
const Round kRound1{&kRound1Keys, "", nummatch_PickQuestion};
const Round kRound2{&kRound2Keys, "b", nummatch_PickQuestionR2};

std::string bigTile(int n) {
    return "big" + std::to_string(n);
}

// Shows the numeral asked by key and lays out the round's dot tiles below it;
// a key of another round or no key at all leaves everything as it is.
void setUpQuestion(Form& f, const std::string& key, const Round& round, const DotRows& rows) {
    const int asked = round.numeralOf(key);
    if (asked == 0) return;
    for (int n = 1; n <= 5; ++n) {
        Picture big = f.picture(bigTile(n));
        if (n == asked) big.move(kNumeralLeft, kNumeralTop);
        big.setVisible(n == asked);
    }
    const DotRow& row = rows[asked - 1];
    for (int place = 0; place < 5; ++place)
        f.picture(round.dotTile(row[place])).move(kPlaceLeft[place], kRowTop);
}

void pickQuestion(Forms& app, const Round& round) {
    Form& f = app.form("nummatch");
    QuestionDeck deck(app, f);
    deck.draw();
    setUpQuestion(f, deck.drawn(), round, kDotRows);
}

enum class Light { Grey, Green, Red };

void setLight(Form& f, int n, Light light) {
    const std::string number = std::to_string(n);
    f.picture("question" + number).setVisible(light == Light::Grey);
    f.picture("right" + number).setVisible(light == Light::Green);
    f.picture("wrong" + number).setVisible(light == Light::Red);
}

// The ten dot tiles: which tile, how many squares, which round it answers.
struct DotTile {
    const char* tile;
    int squares;
    const Round* round;
};
const DotTile kDotTiles[] = {
    {"dot1", 1, &kRound1},  {"dot2", 2, &kRound1},  {"dot3", 3, &kRound1},  {"dot4", 4, &kRound1},
    {"dot5", 5, &kRound1},  {"dot1b", 1, &kRound2}, {"dot2b", 2, &kRound2}, {"dot3b", 3, &kRound2},
    {"dot4b", 4, &kRound2}, {"dot5b", 5, &kRound2},
};

} // namespace

void nummatch_Form_Load(Forms& app) {
    Form& f = app.form("nummatch");
    f.label("Label4").setVisible(false);
    for (int n = 1; n <= 5; ++n)
        f.picture(kRound2.dotTile(n)).move(10800, 2040);
    app.playCue(cue::kStartup);
    f.textField("roundtxt").setText("1");
    f.textField("clickedon").setText("");
    nummatch_QuestLights(app);
    nummatch_NameRound(app);
    QuestionDeck deck(app, f);
    deck.clear();
    deck.add(kRound1Keys);
    for (const char* tile :
         {"onea", "twoa", "threea", "foura", "fivea", "sixa", "sevena", "eighta", "ninea", "tena"})
        f.picture(tile).move(9000, 2760);
    for (const char* tile :
         {"oneb", "twob", "threeb", "fourb", "fiveb", "sixb", "sevenb", "eightb", "nineb", "tenb"})
        f.picture(tile).move(9000, 2040);
    for (int n = 1; n <= 5; ++n)
        f.picture(kRound1.dotTile(n)).move(9000, 3480);
    nummatch_PickQuestion(app);
    setUpQuestion(f, deck.drawn(), kRound1, kStartRows);
    f.label("numcountlbl").setCaption(numberText(deck.count()));
}

void nummatch_Image2_Click(Forms& app) {
    app.unload("nummatch");
}

void nummatch_Label4_Click(Forms& app) {
    app.show("info2");
}

void nummatch_PickQuestion(Forms& app) {
    pickQuestion(app, kRound1);
}

void nummatch_PickQuestionR2(Forms& app) {
    pickQuestion(app, kRound2);
}

void nummatch_QuestLights(Forms& app) {
    Form& f = app.form("nummatch");
    for (int n = 1; n <= 5; ++n)
        setLight(f, n, Light::Grey);
}

void nummatch_NameRound(Forms& app) {
    Form& f = app.form("nummatch");
    f.setCaption("Number Matching - Round " + f.textField("roundtxt").text());
}

// A click on a dot tile answers the question on screen. The light that
// changes is the one of the numeral asked, never the one clicked, and every
// click moves on, right or wrong.
void nummatch_dot_Click(Forms& app, const DotTile& t) {
    Form& f = app.form("nummatch");
    f.textField("clickedon").setText(std::to_string(t.squares));
    const int asked = t.round->numeralOf(f.textField("picktxt").text());
    if (asked == t.squares) {
        app.playCue(cue::kCorrect);
        setLight(f, asked, Light::Green);
    } else if (asked != 0) {
        setLight(f, asked, Light::Red);
    }
    QuestionDeck deck(app, f);
    if (deck.count() != 0) {
        t.round->pickQuestion(app);
    } else {
        // Writing the round into the level-end window loads it (and runs its
        // set-up) unless it is open already.
        app.form("levelup").textField("Previouslvltxt").setText(f.textField("roundtxt").text());
        app.show("levelup");
    }
    f.label("numcountlbl").setCaption(numberText(deck.count()));
}

FormDef nummatch_definition() {
    FormDef f = table();
    f.onLoad(nummatch_Form_Load);
    f.onClick("Image2", nummatch_Image2_Click);
    f.onClick("Label4", nummatch_Label4_Click);
    for (const DotTile& t : kDotTiles)
        f.onClick(t.tile, [&t](Forms& app) { nummatch_dot_Click(app, t); });
    return f;
}

} // namespace tallowby
