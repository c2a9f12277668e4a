// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture widget of every window names a catalogue picture and, unless
// stretched, is exactly 15 twips per pixel of it.
#include "app/catalogue.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <set>

namespace tallowby::testing {
namespace {

TEST(Catalogue, EveryPictureWidgetMatchesItsPicture) {
    Harness h;
    int pictures = 0;
    for (const FormDef* form : h.app.definitions())
        for (const WidgetDef& w : form->widgets) {
            if (w.kind != WidgetKind::Picture) continue;
            ++pictures;
            const PictureAsset* asset = findPicture(w.picture);
            ASSERT_NE(asset, nullptr) << form->name << "." << w.name << " shows unknown " << w.picture;
            if (w.stretch) continue;
            EXPECT_EQ(w.width, asset->width * 15.0f) << form->name << "." << w.name;
            EXPECT_EQ(w.height, asset->height * 15.0f) << form->name << "." << w.name;
        }
    EXPECT_GT(pictures, 0);
}

TEST(Catalogue, NamesAreUniqueAndSixCuesExist) {
    std::set<std::string_view> names;
    for (const auto& a : pictureCatalogue())
        EXPECT_TRUE(names.insert(a.name).second) << a.name;
    EXPECT_EQ(std::size(cue::kAll), 6u);
}

TEST(Catalogue, EveryPictureHasAShortSpokenName) {
    for (const auto& a : pictureCatalogue()) {
        const std::string_view name = spokenName(a.name);
        EXPECT_FALSE(name.empty()) << a.name;
        EXPECT_LE(name.size(), 60u) << a.name << ": " << name;
    }
    EXPECT_EQ(spokenName("no.such"), "");
}

} // namespace
} // namespace tallowby::testing
