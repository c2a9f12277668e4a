// SPDX-License-Identifier: GPL-3.0-or-later
// About and the three outcome windows.
#include "menu/about.h"
#include "menu/web_addresses.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace tallowby::testing {
namespace {

using Names = std::vector<std::string>;

struct Windows : ::testing::Test {
    Harness h;
    void TearDown() override { EXPECT_TRUE(h.app.faults().empty()); }
};

TEST_F(Windows, AboutOpenedTwiceIsOneWindowInFront) {
    h.click("main", "Image6");
    Form* first = &h.form("About");
    h.app.activated("main");
    h.click("main", "Image6");
    EXPECT_EQ(&h.form("About"), first);
    EXPECT_EQ(h.app.visibleFrontToBack(), (Names{"About", "main"}));
    EXPECT_EQ(h.form("About").caption(), "About Tallowby Rererezezado");
}

TEST_F(Windows, AboutCreditsOpenTheirSitesAndStayOpen) {
    h.click("main", "Image6");
    const Form& about = h.form("About");
    const struct {
        float y;
        const char* address;
    } cases[] = {
        {4700, web::kMakerWebSite},     // Label1 alone
        {5000, web::kSoundSiteAddress}, // where the labels overlap: Label2 is in front
        {5300, web::kSoundSiteAddress}, // Label2 alone
    };
    for (const auto& c : cases) {
        h.platform.addresses.clear();
        h.clickAt("About", 3000, c.y);
        ASSERT_EQ(h.platform.addresses.size(), 1u) << c.y;
        EXPECT_EQ(h.platform.addresses[0], std::make_pair(std::string("About"), std::string(c.address)));
        EXPECT_TRUE(about.visible());
    }
}

TEST_F(Windows, AboutCreditsEndWithTheAddressesTheyOpen) {
    EXPECT_EQ(About_makerCredit(),
              std::string("For more educational software, visit us online at ") + web::kMakerWebSite);
    const std::string sound = About_soundCredit();
    EXPECT_NE(sound.find("generously provided by "), std::string::npos);
    EXPECT_EQ(sound.find("generouly"), std::string::npos);
    EXPECT_TRUE(sound.ends_with(std::string(web::kSoundSiteAddress) + " "));
}

TEST_F(Windows, AboutExitClosesOnlyAbout) {
    h.click("main", "Image6");
    h.click("About", "Image2");
    EXPECT_EQ(h.app.loadedNames(), Names{"main"});
    EXPECT_FALSE(h.app.ended());
    EXPECT_TRUE(h.platform.addresses.empty());
}

TEST_F(Windows, OutcomeWindowsOpenByNameAndCloseThemselvesAlone) {
    const struct {
        const char* window;
        const char* caption;
        int width, height;
    } cases[] = {{"info", "N1", 7215, 2535}, {"info2", "N2 ", 8655, 2040}, {"info3", "N3", 8550, 2220}};
    for (const auto& c : cases)
        h.app.show(c.window);
    for (const auto& c : cases) {
        EXPECT_EQ(h.form(c.window).caption(), c.caption);
        EXPECT_EQ(h.form(c.window).width(), c.width);
        EXPECT_EQ(h.form(c.window).height(), c.height);
    }
    h.click("info2", "Image2");
    EXPECT_EQ(h.app.loadedNames(), (Names{"main", "info", "info3"}));
    h.app.show("info");
    EXPECT_EQ(h.app.visibleFrontToBack().front(), "info");
}

} // namespace
} // namespace tallowby::testing
