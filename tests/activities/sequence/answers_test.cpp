// SPDX-License-Identifier: GPL-3.0-or-later
// Complete The Sequence answers: the banners and their three seconds, clicks
// while a banner shows, both banners at once, and the visit's end.
#include "sequence_play.h"

#include <set>

namespace tallowby::testing {
namespace {

struct SequenceAnswers : ::testing::Test {
    Visit v;
    Harness& h = v.h;
};

TEST_F(SequenceAnswers, KeyFourAnsweredSevenShowsCorrectForThreeSecondsThenTheNextQuestion) {
    v.willAsk({4});
    v.open();
    v.choose(7);
    const struct {
        long long after; // ms since the click
        const char* seconds;
        bool banner;
    } timeline[] = {
        {0, "3", true}, {1000, "2", true}, {2000, "1", true}, {2999, "1", true}, {3000, "3", false}};
    long long now = 0;
    for (const auto& t : timeline) {
        h.advance(t.after - now);
        now = t.after;
        EXPECT_EQ(v.seconds(), t.seconds) << t.after << " ms";
        EXPECT_EQ(v.showsCorrect(), t.banner) << t.after << " ms";
        EXPECT_FALSE(v.showsTryAgain()) << t.after << " ms";
        EXPECT_EQ(v.game().timer("correcttimer").enabled(), t.banner) << t.after << " ms";
        if (t.banner) {
            EXPECT_EQ(v.onScreen(), 4) << "the question stays until the banner goes";
            EXPECT_EQ(v.keysLeft(), 5);
        }
    }
    EXPECT_NE(v.onScreen(), 0);
    EXPECT_NE(v.onScreen(), 4);
    EXPECT_EQ(v.keysLeft(), 4);
    EXPECT_EQ(h.clock.runningCount(), 0);
}

TEST_F(SequenceAnswers, KeyFourAnsweredTenShowsTryAgainAndFourIsNotAskedAgain) {
    v.willAsk({4});
    v.open();
    v.choose(10);
    EXPECT_TRUE(v.showsTryAgain());
    EXPECT_FALSE(v.showsCorrect());
    EXPECT_TRUE(v.game().timer("tryagaintimer").enabled());
    EXPECT_FALSE(v.game().timer("correcttimer").enabled());
    h.advance(kBannerMs - 1);
    EXPECT_TRUE(v.showsTryAgain());
    EXPECT_EQ(v.onScreen(), 4);
    h.advance(1);
    EXPECT_FALSE(v.showsTryAgain());
    EXPECT_EQ(v.seconds(), "3");
    for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(h.loaded("Sequence"));
        EXPECT_NE(v.onScreen(), 4) << "question " << k + 2;
        v.answerWrong();
        h.advance(kBannerMs);
    }
    EXPECT_FALSE(h.loaded("Sequence"));
}

TEST(SequenceJudging, EveryChoiceIsJudgedAgainstTheRightAnswerOfItsQuestion) {
    for (const Asked& a : kAsked)
        for (int choice : a.choices) {
            Visit v;
            v.willAsk({a.key});
            v.open();
            v.choose(choice);
            const bool right = choice == a.answer;
            EXPECT_EQ(v.showsCorrect(), right) << "key " << a.key << ", " << choice;
            EXPECT_EQ(v.showsTryAgain(), !right) << "key " << a.key << ", " << choice;
            EXPECT_EQ(v.onScreen(), a.key) << "nothing else changes";
            EXPECT_EQ(v.seconds(), "3");
            EXPECT_EQ(v.keysLeft(), 5);
        }
}

TEST_F(SequenceAnswers, ASecondClickWithTheSameFeedbackDuringItsBannerChangesNothing) {
    const struct { int first, second; } cases[] = {{7, 7}, {10, 10}, {10, 5}};
    for (const auto& c : cases) {
        Visit w;
        w.willAsk({4});
        w.open();
        w.choose(c.first);
        w.h.advance(1500);
        const Screen before = w.screen();
        const bool correct = w.showsCorrect(), tryAgain = w.showsTryAgain();
        w.choose(c.second);
        EXPECT_EQ(w.screen(), before) << c.first << " then " << c.second;
        EXPECT_EQ(w.showsCorrect(), correct) << c.first << " then " << c.second;
        EXPECT_EQ(w.showsTryAgain(), tryAgain) << c.first << " then " << c.second;
        EXPECT_EQ(w.seconds(), "2") << "not reset";
        w.h.advance(1500);
        EXPECT_NE(w.onScreen(), 4) << "the banner ran out on its first clock: " << c.first << " then "
                                   << c.second;
    }
}

// One click gives one feedback, another half a second later the other: both
// banners show, both timers count timelbl, and a question passes unanswered.
TEST_F(SequenceAnswers, TheOtherFeedbackDuringABannerShowsBothAndCountsDownTwiceAsFast) {
    const struct {
        int first, second; // on key 4: 7 is right, 10 is not
        const char* firstTimer;
        const char* secondTimer;
    } orders[] = {{7, 10, "correcttimer", "tryagaintimer"}, {10, 7, "tryagaintimer", "correcttimer"}};
    const struct {
        long long at; // ms since the first click
        const char* seconds;
        bool firstBanner, secondBanner;
        int key; // on screen
    } timeline[] = {
        {500, "3", true, true, 4},    {1000, "2", true, true, 4},   {1500, "1", true, true, 4},
        {2000, "3", false, true, 1},  {2500, "2", false, true, 1},  {3500, "1", false, true, 1},
        {4500, "3", false, false, 2}, {9000, "3", false, false, 2},
    };
    for (const auto& o : orders) {
        Visit w;
        w.willAsk({4, 1, 2});
        w.open();
        w.choose(o.first);
        w.h.advance(500);
        w.choose(o.second);
        const std::string banner[] = {o.first == 7 ? "correctimg" : "tryagainimg",
                                      o.first == 7 ? "tryagainimg" : "correctimg"};
        long long now = 500;
        for (const auto& t : timeline) {
            w.h.advance(t.at - now);
            now = t.at;
            const std::string when = std::to_string(t.at) + " ms, " + banner[0] + " first";
            EXPECT_EQ(w.seconds(), t.seconds) << when;
            EXPECT_EQ(w.inView(banner[0]), t.firstBanner) << when;
            EXPECT_EQ(w.inView(banner[1]), t.secondBanner) << when;
            EXPECT_EQ(w.game().timer(o.firstTimer).enabled(), t.firstBanner) << when;
            EXPECT_EQ(w.game().timer(o.secondTimer).enabled(), t.secondBanner) << when;
            EXPECT_EQ(w.onScreen(), t.key) << when;
        }
        EXPECT_EQ(w.keysLeft(), 3) << "question 1 passed unanswered";
        EXPECT_EQ(w.h.platform.randomDraws, 3);
    }
}

TEST_F(SequenceAnswers, WithBothBannersUpTryAgainLiesInFront) {
    v.willAsk({4});
    v.open();
    v.choose(7);
    v.choose(10);
    Form& f = v.game();
    EXPECT_TRUE(v.showsCorrect());
    EXPECT_EQ(h.app.hitTest(f, 4400, 3800), f.indexOf("tryagainimg"));
}

TEST_F(SequenceAnswers, AClickOnATileWhereABannerCoversItReachesTheBanner) {
    v.willAsk({4}); // 10 at place 1, from Left 840, Top 4200, 1305 high
    v.open();
    Form& f = v.game();
    const float x = 1500, covered = 4500, below = 5300; // the banners end at Top 5010
    ASSERT_EQ(h.app.hitTest(f, x, covered), f.indexOf("big10")) << "the whole tile takes clicks at first";
    v.choose(7);
    EXPECT_EQ(h.app.hitTest(f, x, covered), f.indexOf("correctimg"));
    h.clickAt("Sequence", x, covered);
    EXPECT_FALSE(v.showsTryAgain());
    EXPECT_FALSE(f.timer("tryagaintimer").enabled());
    h.clickAt("Sequence", x, below);
    EXPECT_TRUE(v.showsTryAgain()) << "the part below the banner still takes the click";
}

TEST_F(SequenceAnswers, BackToMenuOrTheCloseBoxDuringABannerStopsItsTimersForGood) {
    const struct {
        const char* way;
        bool bothBanners;
    } cases[] = {{"Back To Menu", false}, {"close box", false}, {"Back To Menu", true}, {"close box", true}};
    for (const auto& c : cases) {
        Visit w;
        w.willAsk({4});
        w.open();
        w.choose(7);
        if (c.bothBanners) w.choose(10);
        w.h.advance(1500);
        if (std::string(c.way) == "close box")
            w.h.closeBox("Sequence");
        else
            w.h.click("Sequence", "Image2");
        const std::string what = std::string(c.way) + (c.bothBanners ? ", both banners" : ", one banner");
        EXPECT_FALSE(w.h.loaded("Sequence")) << what;
        EXPECT_EQ(w.h.clock.runningCount(), 0) << what;
        EXPECT_EQ(w.h.app.visibleFrontToBack(), Names{"main"}) << what;
        w.h.advance(10000);
        EXPECT_FALSE(w.h.loaded("Sequence")) << what << ": no tick loads it again";
        EXPECT_EQ(w.h.platform.randomDraws, 1) << what;
        EXPECT_FALSE(w.h.app.ended()) << what;
    }
}

TEST_F(SequenceAnswers, TheTickWhoseQuestionTakesTheLastKeyClosesTheWindowAndTheMenuIsInFront) {
    for (bool right : {true, false}) {
        Visit w;
        w.open();
        std::set<int> keys;
        for (int k = 0; k < 5; ++k) {
            ASSERT_TRUE(w.h.loaded("Sequence")) << "before answer " << k + 1;
            EXPECT_EQ(w.keysLeft(), 5 - k);
            keys.insert(w.onScreen());
            right ? w.answerRight() : w.answerWrong();
            w.h.advance(kBannerMs - 1);
            ASSERT_TRUE(w.h.loaded("Sequence")) << "during banner " << k + 1;
            w.h.advance(1);
        }
        EXPECT_EQ(keys.size(), 5u) << "five different questions";
        EXPECT_FALSE(keys.contains(0));
        EXPECT_FALSE(w.h.loaded("Sequence"));
        EXPECT_EQ(w.h.app.visibleFrontToBack(), Names{"main"});
        EXPECT_EQ(w.h.platform.randomDraws, 6) << "the sixth key was drawn, and closed the window";
        EXPECT_EQ(w.h.clock.runningCount(), 0);
        EXPECT_EQ(w.h.cues(), Names{"Chime.wav"}) << "the activity plays no sound";
        w.h.advance(10000);
        EXPECT_FALSE(w.h.loaded("Sequence"));
    }
}

// Both banners on answer k: the first timer to reach 0 asks question k + 1,
// which the second one passes over; the visit still ends on the sixth draw.
TEST_F(SequenceAnswers, BothBannersLateInAVisitEndItEarlierAndNeitherTimerTicksAfterTheClose) {
    const struct {
        int answered;       // answers before the one that raises both banners
        long long closesAt; // ms after the second click
    } cases[] = {{4, 1500}, {3, 4000}};
    for (const auto& c : cases) {
        Visit w;
        w.open();
        for (int k = 0; k < c.answered; ++k) {
            w.answerRight();
            w.h.advance(kBannerMs);
        }
        ASSERT_EQ(w.keysLeft(), 5 - c.answered);
        w.answerRight();
        w.h.advance(500);
        w.answerWrong();
        w.h.advance(c.closesAt - 1);
        ASSERT_TRUE(w.h.loaded("Sequence")) << c.answered;
        w.h.advance(1);
        EXPECT_FALSE(w.h.loaded("Sequence")) << c.answered;
        EXPECT_EQ(w.h.app.visibleFrontToBack(), Names{"main"});
        EXPECT_EQ(w.h.clock.runningCount(), 0);
        w.h.advance(10000);
        EXPECT_FALSE(w.h.loaded("Sequence"));
        EXPECT_EQ(w.h.platform.randomDraws, 6);
    }
}

} // namespace
} // namespace tallowby::testing
