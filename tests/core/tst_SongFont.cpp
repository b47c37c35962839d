#include "TestRegistry.h"

#include "look/SongFont.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTextLayout>

namespace {

const QString ownCut = QStringLiteral(KEYVORA_PROGRAM_DIR "/keyvora-song.ttf");
const QString fullFont = QStringLiteral("/usr/share/fonts/truetype/arphic/uming.ttc");

// Every character above ASCII that the program's sources and resources hold.
QSet<char32_t> charactersOfTheSources() {
    QSet<char32_t> found;
    for (const char* folder : {"app", "keyboard", "practice", "sound", "settings", "web", "course",
                               "texts", "history", "resources"}) {
        QDirIterator files(QStringLiteral(KEYVORA_SOURCE_DIR "/") + QLatin1String(folder),
                           {"*.cpp", "*.h", "*.txt", "*.in"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (char32_t c : QString::fromUtf8(file.readAll()).toUcs4())
                if (c > 0x7F && QChar::isPrint(c))
                    found.insert(c);
        }
    }
    return found;
}

// The family of the font that draws the character in the given font.
QString familyDrawing(const QFont& font, char32_t character) {
    QTextLayout layout(QString::fromUcs4(&character, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty() || runs.first().glyphIndexes().value(0) == 0)
        return QString();
    return runs.first().rawFont().familyName();
}

} // namespace

class SongFontTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QFile::exists(ownCut))
            QSKIP("the build made no Song font of its own (fontTools or uming.ttc missing)");
        QVERIFY(SongFont::addOwnFont(ownCut));
    }

    void theOwnCutComesFirst() {
        QCOMPARE(QFontInfo(SongFont::make(9)).family(), SongFont::ownFamily);
        QCOMPARE(QFontInfo(SongFont::make(22, true)).family(), SongFont::ownFamily);
    }

    void theOwnCutHoldsEveryCharacterTheProgramShows() {
        const QRawFont own(ownCut, 12);
        const QRawFont full(fullFont, 12);
        QVERIFY(own.isValid());
        QStringList missing;
        for (char32_t c : charactersOfTheSources()) {
            if (!own.supportsCharacter(c) && (!full.isValid() || full.supportsCharacter(c)))
                missing << QString::fromUcs4(&c, 1);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QString())));
        QCOMPARE(familyDrawing(SongFont::make(9), U'练'), SongFont::ownFamily);
    }

    void charactersOutsideTheCutFallBackToTheFullFont() {
        if (!QRawFont(fullFont, 12).supportsCharacter(U'龘'))
            QSKIP("no full Song font with the test character");
#ifdef Q_OS_WIN
        // Wine brings no CJK font of its own; the full font stands in for the installed one.
        QVERIFY(QFontDatabase::addApplicationFont(fullFont) >= 0);
#endif
        const QString family = familyDrawing(SongFont::make(12), U'龘');
        QVERIFY2(!family.isEmpty(), "drawn as a missing glyph");
        QVERIFY(family != SongFont::ownFamily);
    }

    // Last: it adds the course's cut for the rest of the process.
    void theLessonsCharactersComeFromTheCourseCutOnceTheCourseOpens() {
        QFile table(QStringLiteral(KEYVORA_PROGRAM_DIR "/课程/pinyin.tsv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QRawFont own(ownCut, 12);
        QString lessons;
        char32_t outside = 0;
        for (const QByteArray& line : table.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() < 2)
                continue;
            lessons += QString::fromUtf8(fields[1]);
            for (char32_t c : QString::fromUtf8(fields[1]).toUcs4())
                if (!outside && !own.supportsCharacter(c))
                    outside = c;
        }
        QVERIFY2(outside, "every lesson character is in the main window's cut");
        QVERIFY(familyDrawing(SongFont::make(12), outside) != SongFont::courseFamily);
        QVERIFY(SongFont::addCourseFont(QStringLiteral(KEYVORA_PROGRAM_DIR "/") +
                                        SongFont::courseFile));
        QCOMPARE(familyDrawing(SongFont::make(12), outside), SongFont::courseFamily);
        const QRawFont course(QStringLiteral(KEYVORA_PROGRAM_DIR "/") + SongFont::courseFile, 12);
        for (char32_t c : lessons.toUcs4())
            QVERIFY2(own.supportsCharacter(c) || course.supportsCharacter(c),
                     qPrintable(QString::fromUcs4(&c, 1)));
    }

    void aMissingOrBrokenFileIsRefused() {
        QVERIFY(!SongFont::addOwnFont(QStringLiteral("/nonexistent/keyvora-song.ttf")));
        QVERIFY(!SongFont::addOwnFont(QStringLiteral(KEYVORA_SOURCE_DIR "/CMakeLists.txt")));
    }
};

KEYVORA_TEST_MAIN(SongFont, SongFontTest)
#include "tst_SongFont.moc"
