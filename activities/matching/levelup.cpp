// SPDX-License-Identifier: GPL-3.0-or-later
// The level-end window: its two layouts, round 2 and the way back to the menu.
#include "levelup.h"

#include "activities/deck.h"
#include "app/catalogue.h"
#include "app/forms/number_text.h"
#include "nummatch.h"

namespace tallowby {
namespace {

FormDef table() {
    FormDef f = window("levelup", "Level End", 7230, 2520);
    f.widgets = {
        textField("Previouslvltxt", 240, 3000, 1215, 375),
        picture("Image4", 4440, 240, 2550, 585, "levelup.Image4"),
        picture("completepic", 7320, 0, 7230, 2535, "levelup.completepic"),
        picture("Image2", 360, 1800, 2550, 585, "levelup.Image2"),
        picture("Image1", 0, 0, 7230, 2535, "levelup.Image1"),
    };
    return f;
}

} // namespace

// Loaded afresh at every round end, so the fanfare plays once per round.
void levelup_Form_Load(Forms& app) {
    Form& f = app.form("levelup");
    f.picture("Image2").move(240, 1800);
    f.picture("Image4").move(4440, 120);
    app.playCue(cue::kEndLevel);
    if (app.form("nummatch").textField("roundtxt").text() == "2") {
        // Both rounds done: the completion panel, and no next level to offer.
        f.picture("Image1").setVisible(false);
        f.picture("Image4").move(240, 240);
        f.picture("completepic").move(0, 0);
        f.picture("Image2").setVisible(false);
    }
}

// "Next Level": round 2 in the Number Matching window, which this touch loads
// again if the child has closed it meanwhile.
void levelup_Image2_Click(Forms& app) {
    Form& m = app.form("nummatch");
    QuestionDeck deck(app, m);
    TextField round = m.textField("roundtxt");
    if (round.text() == "1") {
        round.setText(numberText(readLenient(round.text()) + 1));
        deck.clear();
        deck.add(kRound2Keys);
        for (int n = 1; n <= 5; ++n) {
            m.picture("dot" + std::to_string(n)).move(9000, 2040);
            m.picture("big" + std::to_string(n)).move(9000, 2040);
        }
    }
    m.textField("clickedon").setText("");
    deck.forgetDrawn();
    nummatch_QuestLights(app);
    nummatch_PickQuestionR2(app);
    m.label("numcountlbl").setCaption(numberText(deck.count()));
    nummatch_NameRound(app);
    app.unload("levelup");
}

// "Back To Menu": both windows go; the menu, open behind them, comes forward.
void levelup_Image4_Click(Forms& app) {
    app.unload("levelup");
    app.unload("nummatch");
    app.show("main");
}

FormDef levelup_definition() {
    FormDef f = table();
    f.onLoad(levelup_Form_Load);
    f.onClick("Image2", levelup_Image2_Click);
    f.onClick("Image4", levelup_Image4_Click);
    return f;
}

} // namespace tallowby
