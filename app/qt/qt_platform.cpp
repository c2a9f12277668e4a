// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_platform.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define TALLOWBY_CHECKS_LEAKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TALLOWBY_CHECKS_LEAKS 1
#endif
#endif
#ifdef TALLOWBY_CHECKS_LEAKS
#include <sanitizer/lsan_interface.h>
#endif

namespace tallowby {
namespace {

// What the toolkit says, on its default category, about the conditions that
// the game meets without a word.
constexpr const char* kHandledConditions[] = {
    "PulseAudioService: pa_context_connect() failed", // no sound server
    "No audio device detected",                       // a server without an output
    "QSoundEffect(qaudio): Error decoding source",    // a cue that will not decode
};

QtMessageHandler toolkitHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isHandledCondition(type, context, message)) return;
    if (toolkitHandler)
        toolkitHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The user's browser: the desktop's opener, else what the environment names
// as the browser, else Debian's default browser; empty when there is none.
QStringList browserCommand() {
    QString opener = QStandardPaths::findExecutable("xdg-open");
    if (!opener.isEmpty()) return {opener};
    QStringList named = QProcess::splitCommand(qEnvironmentVariable("BROWSER"));
    if (!named.isEmpty() && !QStandardPaths::findExecutable(named.front()).isEmpty()) return named;
    opener = QStandardPaths::findExecutable("x-www-browser");
    if (!opener.isEmpty()) return {opener};
    return {};
}

} // namespace

QtPlatform::QtPlatform(QObject* parent) : QObject(parent) {}

void QtPlatform::preload(std::span<const std::string_view> files) {
    for (std::string_view file : files)
        effect(QString::fromStdString(programDirectory() + "/" + std::string(file)));
}

void QtPlatform::preloadOnFirstInput(std::span<const std::string_view> files) {
    toPreload_ = files;
    QCoreApplication::instance()->installEventFilter(this);
}

bool QtPlatform::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
        QCoreApplication::instance()->removeEventFilter(this);
        preload(toPreload_);
        break;
    default:
        break;
    }
    return false;
}

QtPlatform::~QtPlatform() = default;

QSoundEffect* QtPlatform::effect(const QString& path) {
    auto it = effects_.find(path);
    if (it != effects_.end()) return it->second;
    // Nothing to play on: ask again next time, a device may have come.
    if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
    QSoundEffect* e = nullptr;
    // A missing, cut-off or foreign file stays silent for the whole run.
    if (isWholeWave(path)) {
        e = new QSoundEffect(QMediaDevices::defaultAudioOutput(), this);
        e->setSource(QUrl::fromLocalFile(path));
    }
    effects_.emplace(path, e);
    return e;
}

void QtPlatform::playSound(const std::string& path) {
    QSoundEffect* e = effect(QString::fromStdString(path));
    // One cue at a time: effects would otherwise mix.
    if (playing_) playing_->stop();
    playing_ = e;
    if (e) e->play();
}

void QtPlatform::openAddress(const std::string& /*window*/, const std::string& address) {
    const QStringList command = browserCommand();
    if (command.isEmpty()) return;
    // fromUserInput also takes the credits' short "site.example" form.
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
    QProcess browser;
    browser.setProgram(command.front());
    browser.setArguments(command.mid(1) << QString::fromUtf8(url.toEncoded()));
    // Detached, so that a browser which hangs or fails never holds the game;
    // what it prints is its own business, not the game's.
    browser.setStandardInputFile(QProcess::nullDevice());
    browser.setStandardOutputFile(QProcess::nullDevice());
    browser.setStandardErrorFile(QProcess::nullDevice());
    browser.startDetached();
}

std::string QtPlatform::programDirectory() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}

bool isWholeWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return false;
    bool format = false;
    // Chunks follow one another, each padded to an even length.
    for (qint64 at = 12; at + 8 <= size;) {
        if (!file.seek(at)) return false;
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return false;
        const qint64 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (at + 8 + length > size) return false;
        if (chunk.startsWith("fmt ")) format = length >= 16;
        if (chunk.startsWith("data")) return format && length > 0;
        at += 8 + length + (length & 1);
    }
    return false;
}

bool isHandledCondition(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtWarningMsg || qstrcmp(context.category, "default") != 0) return false;
    for (const char* start : kHandledConditions)
        if (message.startsWith(QLatin1String(start))) return true;
    return false;
}

void quietenHandledConditions() {
    toolkitHandler = qInstallMessageHandler(quietHandler);
}

void endProgram(int status) {
    std::fflush(nullptr);
#ifdef TALLOWBY_CHECKS_LEAKS
    // What is still in use lies on main's stack; anything lost is a leak.
    __lsan_do_leak_check();
#endif
    std::_Exit(status);
}

} // namespace tallowby
