// The sound adapter: the game's sounds play and a wait ends, a missing sound beeps, and a wait
// lasts as long as the sound's header says.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "windows/QtSound.h"

namespace brisvane {
namespace {

const std::string Data = BRISVANE_SOURCE_DIR "/data/";

TEST(QtSoundTest, GameSoundsPlayAndAMissingOneBeepsInBothModes) {
    int beeps = 0;
    QtSound sound([&beeps] { ++beeps; });
    QTemporaryDir dir;
    sound.play(dir.filePath(QStringLiteral("dice.wav")).toStdString(), false);
    EXPECT_EQ(beeps, 1) << "also before any sound has played";
    for (const char* name : {"dice.wav", "Yatzy.wav", "doink.wav"}) {
        sound.play(Data + name, false);
        sound.play(Data + name, true);
    }
    EXPECT_EQ(beeps, 1);
    sound.play(dir.filePath(QStringLiteral("Yatzy.wav")).toStdString(), true);
    sound.play(dir.path().toStdString(), false); // a folder is no sound either
    EXPECT_EQ(beeps, 3);
}

TEST(QtSoundTest, AWaitLastsAsLongAsTheHeaderSays) {
    QFile shipped(QString::fromStdString(Data + "Yatzy.wav"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray yatzy = shipped.readAll();
    QByteArray edited = yatzy; // an editor's odd-sized chunk after the format, padded to even
    edited.insert(36, QByteArray("LIST\3\0\0\0abc\0", 12));
    QTemporaryDir dir;
    for (const auto& [bytes, milliseconds] :
         {std::pair{yatzy, 1249}, {edited, 1249}, {QByteArray("not a sound"), -1}, {yatzy.left(30), -1}}) {
        QFile file(dir.filePath(QStringLiteral("sound.wav")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(QtSound::wavMilliseconds(file.fileName()), milliseconds) << bytes.size();
    }
}

} // namespace
} // namespace brisvane
