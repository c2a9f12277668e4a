// SPDX-License-Identifier: GPL-3.0-or-later
// Every web address the game can open, in one place. They lie under the
// reserved ".example" domain until the project has a home of its own, so a
// click can never take a child to a stranger's site.
#pragma once

namespace tallowby::web {

inline constexpr const char* kMakerHomePage = "https://tallowby.example/";
// The two About credits end with these, so they are written as short as a
// browser accepts them: the credits must fit their lines.
inline constexpr const char* kMakerWebSite = "tallowby.example";
// Our cues are synthesised by the game's own asset code, so the credit names us.
inline constexpr const char* kSoundSiteName = "the Tallowby team";
inline constexpr const char* kSoundSiteAddress = "sounds.tallowby.example";

} // namespace tallowby::web
