#include "TestRegistry.h"

#include "DescribedSounds.h"

#include "sound/SdlAudio.h"

#include <QDir>
#include <QTest>

#include <SDL_mixer.h>

#include <cstdlib>
#include <memory>

namespace {

using Chunk = std::unique_ptr<Mix_Chunk, decltype(&Mix_FreeChunk)>;

Chunk load(const QString& relative) {
    const QByteArray path = (QStringLiteral(KEYVORA_PROGRAM_DIR "/") + relative).toUtf8();
    return Chunk(Mix_LoadWAV(path.constData()), &Mix_FreeChunk);
}

// The loudest sample of a decoded sound (the mixer decodes to signed 16-bit samples).
int peak(const Mix_Chunk& chunk) {
    const auto* samples = reinterpret_cast<const Sint16*>(chunk.abuf);
    int loudest = 0;
    for (Uint32 i = 0; i < chunk.alen / 2; ++i)
        loudest = std::max(loudest, std::abs(int(samples[i])));
    return loudest;
}

} // namespace

// The generated sound pack holds every file the description names, each a real sound.
class SoundPackTest : public QObject {
    Q_OBJECT
private:
    SdlAudio audio_;
    int bytesPerSecond_ = 0;

private slots:
    void initTestCase() {
#ifndef KEYVORA_SOUND_PACK_MADE
        QSKIP("espeak-ng or sox is missing, so the build makes no sound pack");
#endif
        QVERIFY(audio_.open());
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        QVERIFY(Mix_QuerySpec(&frequency, &format, &channels));
        QCOMPARE(format, Uint16(AUDIO_S16SYS));
        bytesPerSecond_ = frequency * channels * 2;
    }

    void everyDescribedFileIsARealSound_data() {
        QTest::addColumn<QString>("file");
        auto row = [](const QString& file) { QTest::newRow(qPrintable(file)) << file; };
        for (int code = 0; code <= 126; ++code) {
            const QString stem = DescribedSounds::stem(code);
            if (!stem.isEmpty() && !(code >= 'A' && code <= 'Z'))
                row(QStringLiteral("声音/字符声音/") + stem);
        }
        for (const char* effect :
             {"语音报", "音效1", "音效2", "音效3", "音效4", "音效5", "音效6", "音效7", "击键错误"})
            row(QStringLiteral("声音/音效/") + QString::fromUtf8(effect));
        row(QStringLiteral("声音/五笔口诀/五笔口诀音乐"));
        for (int edition : {86, 98}) {
            const QString folder = QStringLiteral("声音/五笔口诀/五笔口诀%1版/").arg(edition);
            row(folder + QStringLiteral("配乐五笔口诀%1版").arg(edition));
            for (const QString& code : DescribedSounds::mnemonicCodes)
                row(folder + code);
        }
    }
    void everyDescribedFileIsARealSound() {
        QFETCH(QString, file);
        const Chunk chunk = load(file);
        QVERIFY2(chunk, Mix_GetError());
        QVERIFY2(peak(*chunk) > 3000, "silent");
    }

    void theSevenEffectsAreShortAndEachDifferent() {
        QList<QByteArray> sounds;
        for (int i = 1; i <= 7; ++i) {
            const Chunk chunk = load(QStringLiteral("声音/音效/音效%1").arg(i));
            QVERIFY(chunk);
            const double seconds = double(chunk->alen) / bytesPerSecond_;
            QVERIFY2(seconds >= 0.029 && seconds <= 0.151, qPrintable(QString::number(seconds)));
            const QByteArray sound(reinterpret_cast<const char*>(chunk->abuf), int(chunk->alen));
            QVERIFY2(!sounds.contains(sound), qPrintable(QString::number(i)));
            sounds << sound;
        }
    }
};

KEYVORA_TEST_MAIN(SoundPack, SoundPackTest)
#include "tst_SoundPack.moc"
