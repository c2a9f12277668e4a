// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled-in pictures against the catalogue, byte by byte, and the six
// cues as the sound backend will read them.
#include "app/catalogue.h"
#include "app/qt/picture_cache.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace tallowby {
namespace {

std::uint32_t le(const QByteArray& b, int at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

// The transparent index of the first Graphics Control Extension, or -1.
int gifTransparentIndex(const QByteArray& b) {
    for (int i = 13; i + 7 < b.size(); ++i)
        if (static_cast<std::uint8_t>(b[i]) == 0x21 && static_cast<std::uint8_t>(b[i + 1]) == 0xF9 &&
            b[i + 2] == 4)
            return (b[i + 3] & 1) ? static_cast<std::uint8_t>(b[i + 6]) : -1;
    return -1;
}

QString name(const PictureAsset& a) {
    return QString::fromUtf8(a.name.data(), a.name.size());
}

} // namespace

class AssetTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCataloguePictureHasItsSizeAndFormat() {
        for (const PictureAsset& a : pictureCatalogue()) {
            QFile file(QString::fromStdString(pictureResource(a)));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name(a) + " is missing"));
            const QByteArray b = file.readAll();
            if (a.format == PictureFormat::Gif) {
                QVERIFY2(b.startsWith("GIF8"), qPrintable(name(a)));
                QCOMPARE(int(le(b, 6, 2)), a.width);
                QCOMPARE(int(le(b, 8, 2)), a.height);
                const int packed = static_cast<std::uint8_t>(b[10]);
                QVERIFY2((packed & 0x80) && (packed & 7) == 7, qPrintable(name(a) + ": 256-colour table"));
                QVERIFY2(gifTransparentIndex(b) == 255, qPrintable(name(a) + ": index 255 transparent"));
            } else {
                QVERIFY2(b.startsWith("BM"), qPrintable(name(a)));
                QCOMPARE(int(le(b, 18, 4)), a.width);
                QCOMPARE(int(le(b, 22, 4)), a.height);
                QCOMPARE(int(le(b, 28, 2)), a.format == PictureFormat::Bitmap8 ? 8 : 24);
            }
            QImage img(file.fileName());
            QCOMPARE(img.size(), QSize(a.width, a.height));
            if (a.format == PictureFormat::Gif) QVERIFY2(img.hasAlphaChannel(), qPrintable(name(a)));
        }
    }

    void everyPictureHasASharpVariantOfTwiceTheSize() {
        for (const PictureAsset& a : pictureCatalogue()) {
            QImage img(QString::fromStdString(pictureResource2x(a)));
            QCOMPARE(img.size(), QSize(2 * a.width, 2 * a.height));
        }
    }

    void sharpScreensGetTheSharpVariantAtTheSameLogicalSize() {
        PictureCache cache;
        const QPixmap& plain = cache.pixmap("main.Image3", 1.0);
        const QPixmap& sharp = cache.pixmap("main.Image3", 2.0);
        QCOMPARE(plain.size(), QSize(320, 32));
        QCOMPARE(sharp.size(), QSize(640, 64));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(320, 32));
        QCOMPARE(&cache.pixmap("main.Image3", 2.0), &sharp); // decoded once
    }

    void theIconIsFortyEightPixelsWithTransparentCorners() {
        QImage icon(QString::fromUtf8(kIconResource.data(), kIconResource.size()));
        QCOMPARE(icon.size(), QSize(48, 48));
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(icon.pixelColor(24, 24).alpha(), 255);
    }

    void theSixCuesArePleasantPcmBesideTheProgram() {
        for (std::string_view cueName : cue::kAll) {
            const QString file = QString::fromUtf8(cueName.data(), cueName.size());
            QVERIFY2(QFile::exists(QStringLiteral(TALLOWBY_BUILD_DIR "/") + file),
                     qPrintable(file + " beside the program"));
            QFile wav(QStringLiteral(TALLOWBY_SOUNDS_DIR "/") + file);
            QVERIFY2(wav.open(QIODevice::ReadOnly), qPrintable(file));
            const QByteArray b = wav.readAll();
            QVERIFY(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE");
            int channels = 0, rate = 0, bits = 0, format = 0;
            QByteArray data;
            for (int at = 12; at + 8 <= b.size();) {
                const QByteArray id = b.mid(at, 4);
                const int size = int(le(b, at + 4, 4));
                if (id == "fmt ") {
                    format = int(le(b, at + 8, 2));
                    channels = int(le(b, at + 10, 2));
                    rate = int(le(b, at + 12, 4));
                    bits = int(le(b, at + 22, 2));
                } else if (id == "data") {
                    data = b.mid(at + 8, size);
                }
                at += 8 + size + (size & 1);
            }
            QCOMPARE(format, 1);
            QCOMPARE(bits, 16);
            QVERIFY(channels >= 1 && rate > 0 && !data.isEmpty());
            const int samples = data.size() / 2;
            const double seconds = double(samples) / channels / rate;
            QVERIFY2(seconds < 3.0, qPrintable(file));
            int peak = 0, first = 0, last = 0;
            for (int i = 0; i < samples; ++i) {
                const int s = static_cast<std::int16_t>(le(data, 2 * i, 2));
                peak = std::max(peak, std::abs(s));
                if (i == 0) first = s;
                last = s;
            }
            QVERIFY2(peak > 3000, qPrintable(file + " is audible"));
            QVERIFY2(peak < 32000, qPrintable(file + " stays below full scale"));
            QVERIFY2(std::abs(first) < 200 && std::abs(last) < 200,
                     qPrintable(file + " starts and ends quietly"));
        }
    }
};

} // namespace tallowby

QTEST_MAIN(tallowby::AssetTest)
#include "asset_test.moc"
