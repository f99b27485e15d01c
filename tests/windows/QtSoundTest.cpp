#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include "windows/QtSound.h"

namespace brisvane {
namespace {

// A PCM WAV header of `frames` 16-bit mono frames at `rate`, with a chunk the reader must skip
// before the samples (editors add such chunks).
QByteArray wavFile(quint32 rate, quint32 frames) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataSize = frames * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(4 + 8 + 16 + 8 + 3 + 1 + 8 + dataSize);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << quint16(1) << quint16(1) << rate << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("LIST", 4);
    out << quint32(3);
    out.writeRawData("abc\0", 4); // odd size, padded to even
    out.writeRawData("data", 4);
    out << dataSize;
    bytes.append(QByteArray(static_cast<int>(dataSize), '\0'));
    return bytes;
}

class QtSoundTest : public ::testing::Test {
protected:
    int beeps = 0;
    QtSound sound{[this] { ++beeps; }};
    QTemporaryDir dir;

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};

TEST_F(QtSoundTest, MissingFileSoundsTheDesktopBeepInBothModes) {
    sound.play(dir.filePath(QStringLiteral("dice.wav")).toStdString(), false);
    sound.play(dir.filePath(QStringLiteral("Yatzy.wav")).toStdString(), true);
    sound.play(dir.path().toStdString(), false); // a folder is no sound either
    EXPECT_EQ(beeps, 3);
}

TEST_F(QtSoundTest, GameSoundsPlayWithoutBeepAndWaitingReturns) {
    for (const char* name : {"dice.wav", "Yatzy.wav", "doink.wav"}) {
        const std::string path = std::string(BRISVANE_SOURCE_DIR) + "/data/" + name;
        sound.play(path, false);
        sound.play(path, true);
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(QtSoundTest, WaitIsBoundedByTheLengthInTheHeader) {
    EXPECT_EQ(QtSound::wavMilliseconds(write("half.wav", wavFile(8000, 4000))), 500);
    EXPECT_EQ(QtSound::wavMilliseconds(write("long.wav", wavFile(22050, 22050 * 3))), 3000);
    EXPECT_EQ(QtSound::wavMilliseconds(write("text.wav", "not a sound at all")), -1);
    EXPECT_EQ(QtSound::wavMilliseconds(write("cut.wav", wavFile(8000, 10).left(30))), -1);
    EXPECT_EQ(QtSound::wavMilliseconds(dir.filePath(QStringLiteral("missing.wav"))), -1);
}

} // namespace
} // namespace brisvane
