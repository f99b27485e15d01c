// The sound adapter: the game's sounds play and a wait ends, a missing sound beeps, and a wait
// lasts as long as the sound's header says.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "windows/QtSound.h"

namespace brisvane {
namespace {

const std::string Data = BRISVANE_SOURCE_DIR "/data/";

TEST(QtSoundTest, GameSoundsPlayAMissingOneBeepsAndAWaitLastsAsLongAsTheHeaderSays) {
    int beeps = 0;
    QtSound sound([&beeps] { ++beeps; });
    QTemporaryDir dir;
    const std::string missing = dir.filePath(QStringLiteral("dice.wav")).toStdString();
    sound.play(missing, false);
    EXPECT_EQ(beeps, 1) << "also before any sound has played";
    for (const char* name : {"dice.wav", "Yatzy.wav", "doink.wav"}) {
        sound.play(Data + name, false);
        sound.play(Data + name, true);
    }
    EXPECT_EQ(beeps, 1);
    sound.play(missing, true);
    sound.play(dir.path().toStdString(), false); // a folder is no sound either
    EXPECT_EQ(beeps, 3);

    QFile shipped(QString::fromStdString(Data + "Yatzy.wav"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QByteArray bytes = shipped.readAll();
    bytes.insert(36, QByteArray("LIST\3\0\0\0abc\0", 12)); // an editor's odd-sized chunk
    QFile edited(dir.filePath(QStringLiteral("Yatzy.wav")));
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write(bytes);
    edited.close();
    EXPECT_EQ(QtSound::wavMilliseconds(edited.fileName()), 1249);
    EXPECT_EQ(QtSound::wavMilliseconds(QString::fromStdString(Data + "Version.txt")), -1);
}

} // namespace
} // namespace brisvane
