// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_platform.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tallowby {

QtPlatform::QtPlatform(QObject* parent) : QObject(parent) {}

void QtPlatform::preload(std::span<const std::string_view> files) {
    for (std::string_view file : files)
        effect(QString::fromStdString(programDirectory() + "/" + std::string(file)));
}

QtPlatform::~QtPlatform() = default;

QSoundEffect* QtPlatform::effect(const QString& path) {
    auto it = effects_.find(path);
    if (it != effects_.end()) return it->second;
    auto* e = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
    // A missing or broken file just leaves the effect in its error state: silent.
    e->setSource(QUrl::fromLocalFile(path));
    effects_.emplace(path, e);
    return e;
}

void QtPlatform::playSound(const std::string& path) {
    QSoundEffect* e = effect(QString::fromStdString(path));
    // One cue at a time: effects would otherwise mix.
    if (playing_) playing_->stop();
    playing_ = e;
    e->play();
}

void QtPlatform::openAddress(const std::string& /*window*/, const std::string& address) {
    // The result is of no interest; the desktop starts the browser on its own.
    // fromUserInput also takes the credits' short "site.example" form.
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

std::string QtPlatform::programDirectory() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace tallowby
