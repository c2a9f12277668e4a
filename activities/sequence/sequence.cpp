// SPDX-License-Identifier: GPL-3.0-or-later
// Complete The Sequence: the window, its set-up, the six questions and the
// answers with their banners. The activity plays no sound.
#include "sequence.h"

#include "activities/deck.h"
#include "app/forms/number_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <string_view>

namespace tallowby {
namespace {

// Quantity tile N shows N squares; numeral tile N shows the numeral and its word.
std::string quantityTile(int n) {
    return "bigdot" + std::to_string(n);
}
std::string numeralTile(int n) {
    return "big" + std::to_string(n);
}

FormDef table() {
    FormDef f = window("Sequence", "Complete The Sequence", 8850, 7995);
    f.font = Font{"Arial", 12, true}; // for the labels without a font of their own
    auto& w = f.widgets;
    w = {
        timer("tryagaintimer", 1000),
        timer("correcttimer", 1000),
        textField("picktxt", 9840, 120, 1335, 405),
        list("Quelist", 9000, 120, 735, 1770),
        picture("tryagainimg", 120, 2760, 8565, 2250, "Sequence.tryagainimg"),
        picture("correctimg", 120, 2760, 8565, 2250, "Sequence.correctimg"),
        label("timelbl", 9960, 1200, 615, 255, "3").withBackground(kWhite),
        label("Label3", 8400, 120, 375, 375, "N2").withColour(kWhite),
    };
    for (int n = 10; n >= 1; --n)
        w.push_back(picture(quantityTile(n), 9000, 3360, 1455, 1305, "Sequence." + quantityTile(n)));
    const WidgetDef rest[] = {
        picture("big10", 11040, 720, 1455, 1305, "Sequence.big10"),
        picture("big9", 11040, 2280, 1455, 1305, "Sequence.big9"),
        picture("big8", 11040, 3840, 1455, 1305, "Sequence.big8"),
        picture("big7", 9000, 5040, 1455, 1305, "Sequence.big7"),
        picture("big6", 9000, 6600, 1455, 1305, "Sequence.big6"),
        picture("big5", 10560, 5280, 1455, 1305, "nummatch.big5"),
        picture("big4", 11040, 6720, 1455, 1305, "nummatch.big4"),
        picture("big3", 12240, 5280, 1455, 1305, "nummatch.big3"),
        picture("big2", 12720, 3720, 1455, 1305, "nummatch.big2"),
        picture("big1", 9000, 1920, 1455, 1305, "nummatch.big1"),
        picture("Image3", 0, 1200, 1545, 2745, "MissingNum.Image15"),
        label("lblquestion", 1440, 960, 5895, 855, "What number comes AFTER this?")
            .withFont("Arial", 15.75f, true)
            .withColour(kWhite),
        label("Label1", 7920, 120, 375, 375, "N1").withColour(kWhite),
        picture("Image2", 6120, 7320, 2550, 585, "levelup.Image4"),
        picture("Image1", 0, 0, 8865, 8010, "Sequence.Image1"),
    };
    w.insert(w.end(), std::begin(rest), std::end(rest));
    return f;
}

constexpr const char* kAfter = "What number comes AFTER this?";
constexpr const char* kBefore = "What number comes BEFORE this?";
constexpr const char* kTwoMore = "What number is 2 MORE than this?";

// The six questions: the number asked about, shown as its quantity tile; the
// numeral tiles offered at places 1 to 4 from the left; the right one of them.
struct Question {
    std::string_view key;
    const char* text;
    int squares;
    std::array<int, 4> choices;
    int answer;
};
constexpr Question kQuestions[] = {
    {"1", kAfter, 5, {7, 4, 6, 5}, 6},   // after 5 comes 6
    {"2", kBefore, 3, {9, 3, 4, 2}, 2},  // before 3 comes 2
    {"3", kAfter, 9, {1, 10, 3, 8}, 10}, // after 9 comes 10
    {"4", kBefore, 8, {10, 5, 7, 9}, 7}, // before 8 comes 7
    {"5", kAfter, 1, {4, 1, 2, 3}, 2},   // after 1 comes 2
    {"6", kTwoMore, 5, {3, 4, 7, 5}, 7}, // 5 and 2 more make 7
};

constexpr float kQuantityLeft = 3480, kQuantityTop = 1680;
constexpr float kChoiceTop = 4200;
constexpr float kPlaceLeft[4] = {840, 2640, 4560, 6360};

// The question a key names; nullptr for any other text.
const Question* questionOf(const std::string& key) {
    for (const Question& q : kQuestions)
        if (key == q.key) return &q;
    return nullptr;
}

// Tiles that leave the screen are hidden where they stood; only the ones in
// use are moved.
void setUpQuestion(Form& f, const Question& q) {
    f.label("lblquestion").setCaption(q.text);
    for (int n = 1; n <= 10; ++n) {
        Picture tile = f.picture(quantityTile(n));
        tile.setVisible(n == q.squares);
        if (n == q.squares) tile.move(kQuantityLeft, kQuantityTop);
    }
    for (int place = 0; place < 4; ++place)
        f.picture(numeralTile(q.choices[place])).move(kPlaceLeft[place], kChoiceTop);
    for (int n = 1; n <= 10; ++n)
        f.picture(numeralTile(n)).setVisible(std::ranges::find(q.choices, n) != q.choices.end());
}

// A feedback banner and the timer that counts it out.
struct Banner {
    const char* picture;
    const char* timer;
};
constexpr Banner kCorrect{"correctimg", "correcttimer"};
constexpr Banner kTryAgain{"tryagainimg", "tryagaintimer"};
constexpr Banner kBanners[] = {kCorrect, kTryAgain};

// timelbl between banners, and the seconds a banner shows.
constexpr const char* kSecondsAtRest = "3";

} // namespace

void Sequence_Form_Load(Forms& app) {
    Form& f = app.form("Sequence");
    f.label("Label1").setVisible(false);
    f.label("Label3").setVisible(false);
    f.picture("correctimg").setVisible(false);
    f.picture("tryagainimg").setVisible(false);
    f.timer("tryagaintimer").setEnabled(false);
    f.timer("correcttimer").setEnabled(false);
    QuestionDeck deck(app, f);
    deck.forgetDrawn();
    for (const Question& q : kQuestions)
        deck.add(q.key);
    Sequence_bignumberplacement(app);
    Sequence_PickQuestion(app);
}

// Back To Menu: the menu stayed open behind; the questions left are lost.
void Sequence_Image2_Click(Forms& app) {
    app.unload("Sequence");
}

void Sequence_Label1_Click(Forms& app) {
    app.show("info");
}
void Sequence_Label3_Click(Forms& app) {
    app.show("info2");
}

// Sequence_big1_Click ... Sequence_big10_Click: the tile clicked is judged
// against the right answer of the question on screen. Clicks are not blocked
// while a banner shows, so the other banner can join the first.
void Sequence_big_Click(Forms& app, int numeral) {
    Form& f = app.form("Sequence");
    const Question* q = questionOf(f.textField("picktxt").text());
    if (!q) return;
    const Banner& banner = numeral == q->answer ? kCorrect : kTryAgain;
    f.picture(banner.picture).setVisible(true);
    // Already on, the timer keeps its pace and the countdown runs on.
    f.timer(banner.timer).setEnabled(true);
}

// Sequence_correcttimer_Timer and Sequence_tryagaintimer_Timer: one second of
// a banner. Both count the one caption timelbl, so with both banners up it
// falls twice as fast; the timer that brings it to 0 takes its banner away
// and moves on, and the other counts on from the start.
void Sequence_banner_Timer(Forms& app, const Banner& banner) {
    Form& f = app.form("Sequence");
    f.picture(banner.picture).setVisible(true);
    Label seconds = f.label("timelbl");
    seconds.setCaption(numberText(readLenient(seconds.caption()) - 1));
    if (app.readStrict(seconds.caption()) != 0) return;
    f.picture(banner.picture).setVisible(false);
    f.timer(banner.timer).setEnabled(false);
    seconds.setCaption(kSecondsAtRest);
    Sequence_PickQuestion(app); // may close the window: nothing may follow it here
}

void Sequence_bignumberplacement(Forms& app) {
    Form& f = app.form("Sequence");
    for (int n = 1; n <= 10; ++n)
        f.picture(numeralTile(n)).setTop(1920);
    for (int n = 1; n <= 10; ++n)
        f.picture(numeralTile(n)).setLeft(9000);
    for (int n = 1; n <= 10; ++n)
        f.picture(quantityTile(n)).setLeft(9000);
    for (int n = 1; n <= 10; ++n)
        f.picture(quantityTile(n)).setTop(3360);
}

void Sequence_PickQuestion(Forms& app) {
    Form& f = app.form("Sequence");
    QuestionDeck deck(app, f);
    deck.draw();
    if (const Question* q = questionOf(deck.drawn())) setUpQuestion(f, *q);
    if (deck.count() == 0) app.unload("Sequence");
}

FormDef Sequence_definition() {
    FormDef f = table();
    f.onLoad(Sequence_Form_Load);
    f.onClick("Image2", Sequence_Image2_Click);
    f.onClick("Label1", Sequence_Label1_Click);
    f.onClick("Label3", Sequence_Label3_Click);
    for (int n = 1; n <= 10; ++n)
        f.onClick(numeralTile(n), [n](Forms& app) { Sequence_big_Click(app, n); });
    for (const Banner& b : kBanners)
        f.onTimer(b.timer, [&b](Forms& app) { Sequence_banner_Timer(app, b); });
    return f;
}

} // namespace tallowby
