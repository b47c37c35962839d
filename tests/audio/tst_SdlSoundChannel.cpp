#include "TestRegistry.h"

#include "ToneFile.h"

#include "sound/SdlAudio.h"
#include "sound/SdlSoundChannel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <memory>

namespace {

// Mixer channels whose sound ended or was cut, counted by the mixer's own callback.
std::atomic<int> finishedSounds{0};
void countFinished(int) {
    ++finishedSounds;
}

} // namespace

class SdlSoundChannelTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString long_[4];
    QString short_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        const QDir dir(dir_.path());
        // Two seconds outlast every test; the names are Chinese, as the program's are.
        for (int i = 0; i < 4; ++i)
            long_[i] = writeTone(dir, QStringLiteral("长音%1").arg(i), 2000, 220.0 * (i + 1));
        short_ = writeTone(dir, QStringLiteral("短音"), 20, 880);
        Mix_ChannelFinished(countFinished);
    }

    void missingOrUndecodableFilesAreSilentAndKeepTheirName_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a sound") << QByteArray("just some text, no audio in here");
    }
    void missingOrUndecodableFilesAreSilentAndKeepTheirName() {
        QFETCH(QByteArray, content);
        const QString path = QDir(dir_.path()).filePath(QStringLiteral("坏文件"));
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        SdlAudio audio;
        QVERIFY(audio.open());
        SdlSoundChannel channel(audio, 0, false);
        channel.setFile(path);
        channel.play();
        channel.replay();
        QCOMPARE(channel.file(), path);
        QVERIFY(!Mix_Playing(0));
    }

    void anEmptyPathUnloadsTheChannel() {
        SdlAudio audio;
        QVERIFY(audio.open());
        SdlSoundChannel channel(audio, 0, false);
        channel.setFile(long_[0]);
        channel.play();
        QVERIFY(Mix_Playing(0));
        channel.setFile(QString());
        QVERIFY(!Mix_Playing(0));
        channel.play();
        QVERIFY(!Mix_Playing(0));
        QCOMPARE(channel.file(), QString());
    }

    void filesSetBeforeTheDeviceOpensAreDecodedWhenItOpens() {
        const QString path = writeTone(QDir(dir_.path()), QStringLiteral("先载"), 2000, 330);
        SdlAudio audio;
        SdlSoundChannel channel(audio, 1, false);
        channel.setFile(path);
        QVERIFY(!audio.isOpen());
        QVERIFY(audio.open());
        // Gone from disk after the device opened: only a sound decoded at opening can play.
        QVERIFY(QFile::remove(path));
        channel.play();
        QVERIFY(Mix_Playing(1));
        QCOMPARE(channel.file(), path);
    }

    void theFourChannelsSoundAtTheSameTime() {
        SdlAudio audio;
        QVERIFY(audio.open());
        std::array<std::unique_ptr<SdlSoundChannel>, 4> channels;
        for (int i = 0; i < 4; ++i) {
            channels[i] = std::make_unique<SdlSoundChannel>(audio, i, i == 3);
            channels[i]->setFile(long_[i]);
        }
        for (auto& channel : channels)
            channel->play();
        for (int i = 0; i < 4; ++i)
            QVERIFY2(Mix_Playing(i), qPrintable(QString::number(i)));
        QCOMPARE(Mix_Playing(-1), 4);
        channels[1]->halt();
        QCOMPARE(Mix_Playing(-1), 3);
        QVERIFY(!Mix_Playing(1));
    }

    void replayCutsTheSoundAndStartsItAgainWithoutDecodingAgain() {
        SdlAudio audio;
        QVERIFY(audio.open());
        SdlSoundChannel channel(audio, 0, false);
        channel.setFile(long_[0]);
        channel.play();
        Mix_Chunk* decoded = Mix_GetChunk(0);
        QVERIFY(decoded);
        finishedSounds = 0;
        channel.replay();
        QCOMPARE(finishedSounds.load(), 1); // the running sound was cut ...
        QVERIFY(Mix_Playing(0));            // ... and started again
        QCOMPARE(Mix_GetChunk(0), decoded);
    }

    void channelsWithTheSameFileShareOneDecodedSound() {
        SdlAudio audio;
        QVERIFY(audio.open());
        SdlSoundChannel first(audio, 0, false);
        SdlSoundChannel second(audio, 2, false);
        first.setFile(long_[2]);
        second.setFile(long_[2]);
        first.play();
        second.play();
        QVERIFY(Mix_GetChunk(0));
        QCOMPARE(Mix_GetChunk(0), Mix_GetChunk(2));
        // Letting go of the file on one channel leaves the other sounding.
        first.setFile(long_[1]);
        QVERIFY(Mix_Playing(2));
    }

    void theRepeatingChannelPlaysOnAfterItsSoundHasEnded() {
        SdlAudio audio;
        QVERIFY(audio.open());
        SdlSoundChannel once(audio, 0, false);
        SdlSoundChannel repeating(audio, 3, true);
        once.setFile(short_);
        repeating.setFile(short_);
        once.play();
        repeating.play();
        // Waits for an event, not for a time: the 20 ms sound ending on the channel that plays
        // once. The bound only keeps a broken mixer from hanging the test.
        for (int waited = 0; Mix_Playing(0) && waited < 5000; waited += 2)
            SDL_Delay(2);
        QVERIFY(!Mix_Playing(0));
        QVERIFY(Mix_Playing(3));
    }

    void playingOpensTheDeviceThatClosesOnlyAfterSilence() {
        SdlAudio audio;
        SdlSoundChannel music(audio, 3, true);
        music.setFile(long_[3]);
        QVERIFY(!audio.isOpen()); // holding a file opens nothing
        QVERIFY(!audio.closeIsPending());
        music.play();
        QVERIFY(audio.isOpen());
        QVERIFY(Mix_Playing(3));
        QVERIFY(audio.closeIsPending());
        // The silence timer fires while the music plays: the device stays and looks again later.
        audio.closeIfSilent();
        QVERIFY(audio.isOpen());
        QVERIFY(audio.closeIsPending());
        music.halt();
        audio.closeIfSilent();
        QVERIFY(!audio.isOpen());
        QVERIFY(!audio.closeIsPending()); // nothing left ticking while closed
        music.play();
        QVERIFY(audio.isOpen());
        QVERIFY(Mix_Playing(3));
    }

    // A run holds the device, and another user may hold it too: it stays open through every
    // silence until the last holder has let go, then closes after the usual silence.
    void aHeldDeviceClosesOnlyAfterTheLastHolderLetGo() {
        SdlAudio audio;
        SdlSoundChannel channel(audio, 0, false);
        channel.setFile(short_);
        audio.hold();
        QVERIFY(audio.isOpen());
        audio.hold();
        channel.play();
        audio.release();
        QVERIFY(!audio.closeIsPending());
        audio.closeIfSilent();
        QVERIFY(audio.isOpen());
        audio.release();
        audio.release(); // one too many changes nothing
        QVERIFY(audio.closeIsPending());
        channel.halt();
        audio.closeIfSilent();
        QVERIFY(!audio.isOpen());
    }

    void theMixerWorksInBuffersOfAtMost256Frames() {
        SdlAudio audio;
        QVERIFY(audio.open());
        // Waits for the first buffer the mixer hands over; the bound only keeps a broken mixer
        // from hanging the test.
        for (int waited = 0; audio.grantedFrames() == 0 && waited < 5000; waited += 2)
            SDL_Delay(2);
        QVERIFY(audio.grantedFrames() > 0);
        QVERIFY2(audio.grantedFrames() <= 256, qPrintable(QString::number(audio.grantedFrames())));
    }

    void soundsDecodedBeforeTheDeviceClosedPlayAfterItOpensAgain() {
        const QString path = writeTone(QDir(dir_.path()), QStringLiteral("留存"), 2000, 440);
        SdlAudio audio;
        SdlSoundChannel channel(audio, 2, false);
        channel.setFile(path);
        channel.play();
        const Mix_Chunk* decoded = Mix_GetChunk(2);
        QVERIFY(decoded);
        channel.halt();
        audio.closeIfSilent();
        QVERIFY(!audio.isOpen());
        // Gone from disk: only the kept sound can play.
        QVERIFY(QFile::remove(path));
        channel.play();
        QVERIFY(Mix_Playing(2));
        QCOMPARE(Mix_GetChunk(2), decoded);
    }

    void aFailedOpeningIsTriedAgainOnlyWhenTheDeviceIsHeld() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        SdlAudio audio;
        SdlSoundChannel channel(audio, 0, false);
        channel.setFile(long_[0]);
        qputenv("SDL_AUDIODRIVER", "keyvora-no-such-driver");
        channel.play();
        QVERIFY(!audio.isOpen());
        // A device is there now, but keystrokes do not go looking for it ...
        qputenv("SDL_AUDIODRIVER", driver.isEmpty() ? QByteArray("dummy") : driver);
        channel.play();
        QVERIFY(!audio.isOpen());
        // ... the start of the next run, which holds the device, does.
        audio.hold();
        QVERIFY(audio.isOpen());
        channel.play();
        QVERIFY(Mix_Playing(0));
        qputenv("SDL_AUDIODRIVER", driver);
    }

    void withoutADeviceEverythingIsSilent() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "keyvora-no-such-driver");
        {
            SdlAudio audio;
            SdlSoundChannel never(audio, 2, false);
            never.setFile(long_[2]);
            QVERIFY(!audio.open());
            QVERIFY(!audio.isOpen());
            std::array<std::unique_ptr<SdlSoundChannel>, 4> channels;
            for (int i = 0; i < 4; ++i) {
                channels[i] = std::make_unique<SdlSoundChannel>(audio, i, i == 3);
                channels[i]->setFile(long_[i]);
                channels[i]->play();
                channels[i]->replay();
                QCOMPARE(channels[i]->file(), long_[i]);
                channels[i]->setFile(QString());
                channels[i]->halt();
            }
            // The mixer itself must not be asked anything without a device: it was never opened.
            never.play();
            never.halt();
        }
        qputenv("SDL_AUDIODRIVER", driver);
    }
};

KEYVORA_TEST_GUILESS_MAIN(SdlSoundChannel, SdlSoundChannelTest)
#include "tst_SdlSoundChannel.moc"
