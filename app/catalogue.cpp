// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <algorithm>

namespace tallowby {
namespace {

constexpr auto B24 = PictureFormat::Bitmap24;
constexpr auto B8 = PictureFormat::Bitmap8;
constexpr auto GIF = PictureFormat::Gif;

constexpr PictureAsset kCatalogue[] = {
    {"main.Image1", 591, 534, B24},          {"main.Image2", 154, 31, GIF},
    {"main.Image3", 320, 32, B24},           {"main.Image4", 320, 32, B24},
    {"main.Image5", 320, 32, B24},           {"main.Image6", 154, 31, GIF},
    {"main.Image7", 320, 32, B24},           {"nummatch.Image1", 591, 534, B24},
    {"nummatch.Image2", 170, 39, B24},       {"nummatch.big1", 97, 87, B24},
    {"nummatch.big2", 97, 87, B24},          {"nummatch.big3", 97, 87, B24},
    {"nummatch.big4", 97, 87, B24},          {"nummatch.big5", 97, 87, B24},
    {"nummatch.dot1", 46, 39, B24},          {"nummatch.dot2", 46, 39, B24},
    {"nummatch.dot3", 46, 39, B24},          {"nummatch.dot4", 46, 39, B24},
    {"nummatch.dot5", 46, 39, B24},          {"nummatch.dot1b", 46, 39, B24},
    {"nummatch.dot2b", 46, 39, B24},         {"nummatch.dot3b", 46, 39, B24},
    {"nummatch.dot4b", 46, 39, B24},         {"nummatch.dot5b", 46, 39, B24},
    {"nummatch.wrong5", 46, 39, B24},        {"nummatch.question5", 46, 39, B8},
    {"nummatch.right5", 46, 39, B24},        {"nummatch.oneb", 46, 39, B8},
    {"nummatch.twob", 46, 39, B8},           {"nummatch.threeb", 46, 39, B8},
    {"nummatch.fourb", 46, 39, B8},          {"nummatch.fiveb", 46, 39, B8},
    {"nummatch.sixb", 46, 39, B8},           {"nummatch.sevenb", 46, 39, B8},
    {"nummatch.eightb", 46, 39, B8},         {"nummatch.nineb", 46, 39, B8},
    {"nummatch.tenb", 46, 39, B8},           {"nummatch.onea", 46, 39, B24},
    {"nummatch.twoa", 46, 39, B24},          {"nummatch.threea", 46, 39, B24},
    {"nummatch.foura", 46, 39, B24},         {"nummatch.fivea", 46, 39, B24},
    {"nummatch.sixa", 46, 39, B24},          {"nummatch.sevena", 46, 39, B24},
    {"nummatch.eighta", 46, 39, B24},        {"nummatch.ninea", 46, 39, B24},
    {"nummatch.tena", 46, 39, B24},          {"info.Image1", 482, 169, B24},
    {"info.Image2", 154, 31, B24},           {"levelup.Image4", 170, 39, B24},
    {"levelup.completepic", 482, 169, B24},  {"levelup.Image2", 170, 39, B24},
    {"levelup.Image1", 482, 169, B24},       {"info2.Image1", 579, 137, B24},
    {"MissingNum.Image15", 103, 183, GIF},   {"MissingNum.oneimg", 20, 39, GIF},
    {"MissingNum.twoimg", 27, 40, GIF},      {"MissingNum.threeimg", 28, 42, GIF},
    {"MissingNum.fourimg", 32, 41, GIF},     {"MissingNum.fiveimg", 30, 42, GIF},
    {"MissingNum.siximg", 29, 42, GIF},      {"MissingNum.sevenimg", 32, 41, GIF},
    {"MissingNum.eightimg", 29, 42, GIF},    {"MissingNum.nineimg", 30, 41, GIF},
    {"MissingNum.tenimg", 55, 41, GIF},      {"MissingNum.Image13", 221, 31, B24},
    {"MissingNum.Image11", 56, 42, B24},     {"MissingNum.answer1", 56, 42, B24},
    {"MissingNum.answer2", 56, 42, B24},     {"MissingNum.answer3", 56, 42, B24},
    {"MissingNum.answer4", 56, 42, B24},     {"MissingNum.answer5", 56, 42, B24},
    {"MissingNum.answer6", 56, 42, B24},     {"MissingNum.answer7", 56, 42, B24},
    {"MissingNum.answer8", 56, 42, B24},     {"MissingNum.answer9", 56, 42, B24},
    {"MissingNum.answer10", 56, 42, B24},    {"MissingNum.Image12", 221, 31, B24},
    {"MissingNum.order10", 56, 42, B24},     {"MissingNum.Image1", 591, 534, B24},
    {"message.Image1", 482, 169, B24},       {"Sequence.tryagainimg", 571, 150, B24},
    {"Sequence.correctimg", 571, 150, B24},  {"Sequence.bigdot1", 97, 87, GIF},
    {"Sequence.bigdot2", 97, 87, GIF},       {"Sequence.bigdot3", 97, 87, GIF},
    {"Sequence.bigdot4", 97, 87, GIF},       {"Sequence.bigdot5", 97, 87, GIF},
    {"Sequence.bigdot6", 97, 87, GIF},       {"Sequence.bigdot7", 97, 87, GIF},
    {"Sequence.bigdot8", 97, 87, GIF},       {"Sequence.bigdot9", 97, 87, GIF},
    {"Sequence.bigdot10", 97, 87, GIF},      {"Sequence.big6", 97, 87, B24},
    {"Sequence.big7", 97, 87, B24},          {"Sequence.big8", 97, 87, B24},
    {"Sequence.big9", 97, 87, B24},          {"Sequence.big10", 97, 87, B24},
    {"Sequence.Image1", 591, 534, B24},      {"NumberPicking.Image6", 170, 39, B24},
    {"NumberPicking.token10", 37, 38, GIF},  {"NumberPicking.Image5", 66, 63, B24},
    {"NumberPicking.Image3", 320, 129, GIF}, {"NumberPicking.Image4", 592, 82, B24},
    {"NumberPicking.small10", 46, 39, B24},  {"NumberPicking.small1", 46, 39, B24},
    {"NumberPicking.Image1", 591, 534, B24}, {"About.Image1", 449, 406, B24},
    {"info3.Image1", 571, 150, B24},         {"numpickresult.Image1", 482, 169, B24},
};

} // namespace

std::span<const PictureAsset> pictureCatalogue() {
    return kCatalogue;
}

const PictureAsset* findPicture(std::string_view name) {
    auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                           [&](const PictureAsset& a) { return a.name == name; });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

std::string pictureResource(const PictureAsset& asset) {
    return ":/pictures/" + std::string(asset.name) + (asset.format == PictureFormat::Gif ? ".gif" : ".bmp");
}

std::string pictureResource2x(const PictureAsset& asset) {
    return ":/pictures/2x/" + std::string(asset.name) + ".png";
}

} // namespace tallowby
