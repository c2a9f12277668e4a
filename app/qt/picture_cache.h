// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded once per process from the compiled-in resources, in the
// 2x variant on high-DPI screens.
#pragma once

#include <QPixmap>
#include <QString>

#include <map>
#include <string>
#include <string_view>

namespace tallowby {

class PictureCache {
  public:
    // The picture at its own size in logical pixels; a null pixmap for an
    // unknown asset (a build fault the asset tests catch).
    const QPixmap& pixmap(std::string_view asset, qreal devicePixelRatio);
    // Tests put their own pictures in.
    void insert(std::string_view asset, QPixmap pixmap);

  private:
    std::map<std::pair<std::string, bool>, QPixmap, std::less<>> cache_;
};

} // namespace tallowby
