// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_cache.h"

#include "app/catalogue.h"

#include <QFile>
#include <QImage>

namespace tallowby {
namespace {

// Not QPixmap::load: that keeps a copy in QPixmapCache, which would hold on
// to every picture after we let it go.
QPixmap decode(const std::string& resource) {
    return QPixmap::fromImage(QImage(QString::fromStdString(resource)));
}

} // namespace

const QPixmap& PictureCache::pixmap(std::string_view asset, qreal devicePixelRatio) {
    if (auto it = own_.find(asset); it != own_.end()) return it->second;
    const bool sharp = devicePixelRatio > 1.0;
    std::pair<std::string, bool> key{std::string(asset), sharp};
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    QPixmap pm;
    if (const PictureAsset* entry = findPicture(asset)) {
        const std::string path2x = pictureResource2x(*entry);
        if (sharp && QFile::exists(QString::fromStdString(path2x))) pm = decode(path2x);
        if (!pm.isNull())
            pm.setDevicePixelRatio(2.0);
        else
            pm = decode(pictureResource(*entry));
    }
    return cache_[key] = pm;
}

void PictureCache::insert(std::string_view asset, QPixmap pixmap) {
    own_[std::string(asset)] = pixmap;
}

void PictureCache::keepOnly(const std::set<std::string, std::less<>>& keep) {
    std::erase_if(cache_, [&](const auto& entry) { return !keep.contains(entry.first.first); });
}

bool PictureCache::holds(std::string_view asset) const {
    return own_.contains(asset) || cache_.contains(std::pair<std::string, bool>{asset, false}) ||
           cache_.contains(std::pair<std::string, bool>{asset, true});
}

} // namespace tallowby
