#include "windows/QtSound.h"
#include "windows/QtPaths.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace brisvane {
namespace {

// How long a waiting play may outlast the file's own length, for a slow start of the device.
constexpr int LateMs = 400;
// A file without a readable header fails to load and ends the wait at once; this bound only
// matters for a back end that never reports.
constexpr int UnknownLengthMs = 10000;

quint32 littleEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

} // namespace

QtSound::QtSound(std::function<void()> beep) : beep_(std::move(beep)) {
    if (!beep_) {
        beep_ = [] { QApplication::beep(); };
    }
}

QtSound::~QtSound() = default;

void QtSound::play(const std::string& path, bool wait) {
    const QString file = toQtPath(path);
    if (!QFileInfo(file).isFile()) {
        beep_();
        return;
    }
    // The first call loads the audio back end; without an output there is nothing to do.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    QSoundEffect& effect = effectFor(file);
    if (effect.status() == QSoundEffect::Error) {
        beep_();
        return;
    }
    // The new sound is current before the old one stops, so a play waiting for the old one
    // sees that it was cut, not finished.
    if (QSoundEffect* previous = std::exchange(current_, &effect)) {
        previous->stop();
    }
    effect.play();
    if (wait) {
        waitUntilDone(effect, file);
    }
}

void QtSound::warmUp(const std::vector<std::string>& files) {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        return;
    }
    for (const std::string& path : files) {
        const QString file = toQtPath(path);
        if (QFileInfo(file).isFile()) {
            effectFor(file);
        }
    }
}

QSoundEffect& QtSound::effectFor(const QString& path) {
    auto& slot = effects_[path.toStdString()];
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        QSoundEffect* effect = slot.get();
        // A file that turns out not to be playable sounds like a missing one.
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
            if (effect->status() == QSoundEffect::Error) {
                beep_();
            }
        });
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return *slot;
}

void QtSound::waitUntilDone(QSoundEffect& effect, const QString& path) {
    if (!effect.isPlaying()) {
        return;
    }
    // The effect says it has stopped once it has handed its last samples to the device, which
    // can be a little before they are heard or, on a busy sound server, well after. So the
    // wait lasts at least the file's length and at most a little more.
    const int length = wavMilliseconds(path);
    QEventLoop loop;
    QTimer lengthPassed;
    QTimer overdue;
    lengthPassed.setSingleShot(true);
    overdue.setSingleShot(true);
    const auto quitWhenDone = [&] {
        const bool cut = current_ != &effect; // a sound started meanwhile (by a timer)
        const bool failed = effect.status() == QSoundEffect::Error;
        const bool finished = !effect.isPlaying() && !lengthPassed.isActive();
        if (cut || failed || finished) {
            loop.quit();
        }
    };
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, quitWhenDone);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, quitWhenDone);
    QObject::connect(&lengthPassed, &QTimer::timeout, &loop, quitWhenDone);
    QObject::connect(&overdue, &QTimer::timeout, &loop, &QEventLoop::quit);
    lengthPassed.start(std::max(length, 0));
    overdue.start(length < 0 ? UnknownLengthMs : length + LateMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (current_ == &effect && effect.isPlaying()) {
        effect.stop(); // overdue: the next sound must not wait any longer
    }
}

int QtSound::wavMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return -1;
    }
    quint32 byteRate = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) {
            return -1;
        }
        const quint32 size = littleEndian(chunk, 4, 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.peek(12);
            if (format.size() < 12) {
                return -1;
            }
            byteRate = littleEndian(format, 8, 4);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) {
                return -1;
            }
            const quint64 ms = quint64{size} * 1000 / byteRate;
            return static_cast<int>(std::min<quint64>(ms, std::numeric_limits<int>::max()));
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + static_cast<qint64>(size) + (size & 1U))) {
            return -1;
        }
    }
}

} // namespace brisvane
