// The pictures and the beep ship inside every program that links the front end; these tests
// read them the way the game does, from the resources, under the names the windows use.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdlib>

#include "tests/support/game_fixture.h"

namespace {

class ShippedArt : public testing_support::GameFixture {
protected:
    QImage pictureOf(const QString& image) {
        const QString name = control("Form1", image).picture();
        return QImage(QStringLiteral(":/") + name);
    }
};

TEST_F(ShippedArt, MainWindowPicturesFillTheirPictureArea) {
    for (const QString& image : {QStringLiteral("Image1"), QStringLiteral("Image2")}) {
        const QImage picture = pictureOf(image);
        ASSERT_FALSE(picture.isNull()) << image.toStdString();
        const ui::Rect area = control("Form1", image).geometry();
        EXPECT_EQ(picture.width(), area.width) << image.toStdString();
        EXPECT_EQ(picture.height(), area.height) << image.toStdString();
    }
}

// For screens of two pixels per point each picture is drawn again at twice the size: the same
// city, not another one.
TEST_F(ShippedArt, EachPictureHasATwiceAsSharpTwin) {
    for (const QString& image : {QStringLiteral("Image1"), QStringLiteral("Image2")}) {
        const QImage plain = pictureOf(image).convertToFormat(QImage::Format_RGB32);
        QString name = control("Form1", image).picture();
        name.insert(name.lastIndexOf(u'.'), QStringLiteral("@2x"));
        const QImage sharp = QImage(QStringLiteral(":/") + name);
        ASSERT_FALSE(sharp.isNull()) << name.toStdString();
        EXPECT_EQ(sharp.size(), plain.size() * 2) << name.toStdString();
        // Brought down to the plain size, it is nearly the plain picture.
        const QImage down =
            sharp.convertToFormat(QImage::Format_RGB32)
                .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        long far = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb a = plain.pixel(x, y);
                const QRgb b = down.pixel(x, y);
                far += std::abs(qGreen(a) - qGreen(b)) > 64 ? 1 : 0;
            }
        }
        EXPECT_LT(far, long(plain.width()) * plain.height() / 50) << name.toStdString();
    }
}

// The two pictures are swapped five times a second: they must differ (or nothing moves), but
// only in a few small spots (or the swap flickers the whole picture).
TEST_F(ShippedArt, TheTwoPicturesDifferInAFewSpotsOnly) {
    const QImage first = pictureOf(QStringLiteral("Image1")).convertToFormat(QImage::Format_RGB32);
    const QImage second = pictureOf(QStringLiteral("Image2")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(first.size(), second.size());
    long differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            differing += first.pixel(x, y) != second.pixel(x, y) ? 1 : 0;
        }
    }
    const long all = long(first.width()) * first.height();
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, all / 50);
}

struct WaveFormat {
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QByteArray data;
};

// Reads a RIFF WAVE file chunk by chunk; chunks other than "fmt " and "data" are skipped.
WaveFormat readWave(const QByteArray& bytes) {
    WaveFormat wave;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return wave;
    }
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const auto size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size()) {
            break;
        }
        if (id == "fmt " && size >= 16) {
            wave.format = qFromLittleEndian<quint16>(body);
            wave.channels = qFromLittleEndian<quint16>(body + 2);
            wave.rate = int(qFromLittleEndian<quint32>(body + 4));
            wave.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            wave.data = QByteArray(body, qsizetype(size));
        }
        at += 8 + qsizetype(size) + (size % 2);
    }
    return wave;
}

TEST(ShippedBeep, IsAShortSoftToneThatStartsAndEndsInSilence) {
    QFile file(QStringLiteral(":/sounds/beep.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const WaveFormat wave = readWave(file.readAll());
    EXPECT_EQ(wave.format, 1);  // plain PCM, which the sound player reads without a codec
    EXPECT_EQ(wave.channels, 1);
    EXPECT_EQ(wave.rate, 44100);
    ASSERT_EQ(wave.bits, 16);

    const qsizetype samples = wave.data.size() / 2;
    const double ms = 1000.0 * double(samples) / wave.rate;
    EXPECT_GT(ms, 50.0);
    EXPECT_LT(ms, 150.0);  // three beeps in a row must still be heard as three

    auto sample = [&](qsizetype n) {
        return int(qFromLittleEndian<qint16>(wave.data.constData() + 2 * n));
    };
    int peak = 0;
    for (qsizetype n = 0; n < samples; ++n) {
        peak = std::max(peak, std::abs(sample(n)));
    }
    EXPECT_GT(peak, 32767 / 10);      // audible
    EXPECT_LT(peak, 32767 * 6 / 10);  // soft, and no clipping
    // Jumping in or out at full volume clicks.
    EXPECT_LT(std::abs(sample(0)), 100);
    EXPECT_LT(std::abs(sample(samples - 1)), 100);
}

}  // namespace
