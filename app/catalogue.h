// SPDX-License-Identifier: GPL-3.0-or-later
// The picture catalogue (asset name -> pixel size and format, and what a
// screen reader says of it) and the names of the six sound cues.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tallowby {

enum class PictureFormat { Bitmap24, Bitmap8, Gif };

struct PictureAsset {
    std::string_view name; // "<window>.<widget>" of its first holder
    int width;             // pixels
    int height;
    PictureFormat format;
};

std::span<const PictureAsset> pictureCatalogue();
const PictureAsset* findPicture(std::string_view name);
// Resource path of the 1x picture, e.g. ":/pictures/main.Image1.bmp".
std::string pictureResource(const PictureAsset& asset);
// Resource path of the 2x variant, e.g. ":/pictures/2x/main.Image1.png".
std::string pictureResource2x(const PictureAsset& asset);

// A few plain words for a screen reader ("the numeral 4", "an apple"), or
// empty for a name that is not in the catalogue.
std::string_view spokenName(std::string_view asset);

inline constexpr std::string_view kIconResource = ":/pictures/main.Icon.png";
inline constexpr std::string_view kIconResource2x = ":/pictures/2x/main.Icon.png";

namespace cue {
inline constexpr std::string_view kChime = "Chime.wav";
inline constexpr std::string_view kStartup = "startup.wav";
inline constexpr std::string_view kCorrect = "correct.wav";
inline constexpr std::string_view kEndLevel = "Endlvl.wav";
inline constexpr std::string_view kDong = "dong.wav";
inline constexpr std::string_view kClick = "click.wav";
inline constexpr std::string_view kAll[] = {kChime, kStartup, kCorrect, kEndLevel, kDong, kClick};
} // namespace cue

} // namespace tallowby
