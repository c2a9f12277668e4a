// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures decoded from the compiled-in resources when a window first draws
// them, in the 2x variant on high-DPI screens, and kept while a loaded window
// shows them.
#pragma once

#include <QPixmap>
#include <QString>

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace tallowby {

class PictureCache {
  public:
    // The picture at its own size in logical pixels; a null pixmap for an
    // unknown asset (a build fault the asset tests catch).
    const QPixmap& pixmap(std::string_view asset, qreal devicePixelRatio);
    // Tests put their own pictures in; those stay.
    void insert(std::string_view asset, QPixmap pixmap);

    // Lets go of every decoded picture whose asset is not in keep.
    void keepOnly(const std::set<std::string, std::less<>>& keep);
    bool holds(std::string_view asset) const;

  private:
    std::map<std::pair<std::string, bool>, QPixmap, std::less<>> cache_;
    std::map<std::string, QPixmap, std::less<>> own_;
};

} // namespace tallowby
