// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_cache.h"

#include "app/catalogue.h"

#include <QFile>

namespace tallowby {

const QPixmap& PictureCache::pixmap(std::string_view asset, qreal devicePixelRatio) {
    const bool sharp = devicePixelRatio > 1.0;
    std::pair<std::string, bool> key{std::string(asset), sharp};
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;

    QPixmap pm;
    if (const PictureAsset* entry = findPicture(asset)) {
        QString path2x = QString::fromStdString(pictureResource2x(*entry));
        if (sharp && QFile::exists(path2x) && pm.load(path2x))
            pm.setDevicePixelRatio(2.0);
        else
            pm.load(QString::fromStdString(pictureResource(*entry)));
    }
    return cache_[key] = pm;
}

void PictureCache::insert(std::string_view asset, QPixmap pixmap) {
    cache_[{std::string(asset), false}] = pixmap;
    cache_[{std::string(asset), true}] = pixmap;
}

} // namespace tallowby
