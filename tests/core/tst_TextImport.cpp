#include "TestRegistry.h"

#include "texts/LessonCutter.h"
#include "texts/TextImport.h"
#include "texts/TypeableText.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Chinese and English, full-width punctuation, CRLF: the same in every encoding below.
const QString sample = QStringLiteral("第1课：Good morning，Tom！\r\n“Typing” is fun…");
// The sample in GBK, which code page 936 reads the same.
const QByteArray sampleGbk(
    "\xb5\xda\x31\xbf\xce\xa3\xba\x47\x6f\x6f\x64\x20\x6d\x6f\x72\x6e\x69\x6e\x67\xa3\xac\x54\x6f"
    "\x6d\xa3\xa1\x0d\x0a\xa1\xb0\x54\x79\x70\x69\x6e\x67\xa1\xb1\x20\x69\x73\x20\x66\x75\x6e\xa1"
    "\xad");

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

// Words of four letters, `length` characters in all, the last one `last`.
QString words(qsizetype length, QChar last) {
    QString text;
    while (text.size() < length - 1)
        text += text.size() % 5 == 4 ? u' ' : u'a';
    return text + last;
}

} // namespace

class tst_TextImport : public QObject {
    Q_OBJECT
private slots:
    void everyEncodingGivesTheSameLessons_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("leftOut");
        const QString typed = QStringLiteral("1 Good morning,Tom!\n\"Typing\" is fun...");
        QTest::newRow("UTF-8") << sample.toUtf8() << TextEncoding::Utf8 << typed << qsizetype(3);
        QTest::newRow("UTF-8 with BOM") << encoded(QStringConverter::Utf8, sample)
                                        << TextEncoding::Utf8WithBom << typed << qsizetype(3);
        QTest::newRow("UTF-16 LE with BOM") << encoded(QStringConverter::Utf16LE, sample)
                                            << TextEncoding::Utf16Le << typed << qsizetype(3);
        QTest::newRow("UTF-16 BE with BOM") << encoded(QStringConverter::Utf16BE, sample)
                                            << TextEncoding::Utf16Be << typed << qsizetype(3);
        QTest::newRow("GBK") << sampleGbk << TextEncoding::Gb18030 << typed << qsizetype(3);
        // An emoji, which only GB18030's four-byte sequences hold.
        QTest::newRow("GB18030 beyond GBK")
            << QByteArray("\x94\x39\xfc\x36 ok") << TextEncoding::Gb18030 << "ok" << qsizetype(1);
    }
    void everyEncodingGivesTheSameLessons() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextEncoding, encoding);
        QFETCH(QString, text);
        QFETCH(qsizetype, leftOut);
        // Without ICU (Windows) GB18030 is read as GBK, code page 936, which has no such sequence.
        if (QTest::currentDataTag() == QByteArrayView("GB18030 beyond GBK") &&
            !QStringDecoder("GB18030").isValid()) {
            QCOMPARE(TextImport::fromBytes(bytes).problem, TextImport::Problem::Undecodable);
            return;
        }
        const TextImport::Result result = TextImport::fromBytes(bytes);
        QCOMPARE(result.problem, TextImport::Problem::None);
        QCOMPARE(result.encoding, encoding);
        QCOMPARE(result.text, text);
        QCOMPARE(result.leftOut, leftOut);
        QCOMPARE(result.lessons, QStringList{QString(text).replace(u'\n', u' ')});
    }

    void theKeyboardTypesWhatIsKeptAndTheRestIsCounted_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qsizetype>("leftOut");
        QTest::newRow("full-width and typographic punctuation")
            << QStringLiteral("，。；：？！“”‘’（）、《》—–…")
            << QStringLiteral(",.;:?!\"\"''(),<>--...") << qsizetype(0);
        QTest::newRow("full-width letters, digits and spaces")
            << QStringLiteral("Ｈｅｌｌｏ\u3000\u3000１２３～") << QStringLiteral("Hello 123~")
            << qsizetype(0);
        QTest::newRow("white space and line ends") << QStringLiteral(" a \t\u00a0b \r\n\r\n c\rd\n")
                                                   << QStringLiteral("a b\nc\nd") << qsizetype(0);
        QTest::newRow("Chinese characters")
            << QStringLiteral("Hello 世界 world") << QStringLiteral("Hello world") << qsizetype(2);
        QTest::newRow("an emoji counts once")
            << QStringLiteral("ok 😀 fine") << QStringLiteral("ok fine") << qsizetype(1);
        QTest::newRow("accented letters drop out of their word")
            << QStringLiteral("café naïve") << QStringLiteral("caf nave") << qsizetype(2);
        QTest::newRow("punctuation touching Chinese goes with it")
            << QStringLiteral("apple 苹果；banana 香蕉。") << QStringLiteral("apple banana")
            << qsizetype(6);
        QTest::newRow("a Chinese sentence leaves nothing")
            << QStringLiteral("你好，世界。") << QString() << qsizetype(6);
        QTest::newRow("Chinese characters part digits")
            << QStringLiteral("2024年1月") << QStringLiteral("2024 1") << qsizetype(2);
    }
    void theKeyboardTypesWhatIsKeptAndTheRestIsCounted() {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(qsizetype, leftOut);
        const TypeableText::Result result = TypeableText::from(source);
        QCOMPARE(result.text, typed);
        QCOMPARE(result.leftOut, leftOut);
        QCOMPARE(TypeableText::from(typed).text, typed); // a stored text reads back as it is
    }

    void badInputMakesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextImport::Problem>("problem");
        using P = TextImport::Problem;
        QTest::newRow("no bytes") << QByteArray() << P::Empty;
        QTest::newRow("only white space") << QStringLiteral(" \r\n\t\u3000").toUtf8() << P::Empty;
        QTest::newRow("over 1 MB") << QByteArray(TextImport::maxBytes + 1, 'a') << P::TooLarge;
        QTest::newRow("a NUL byte") << QByteArray("text\0text", 9) << P::Binary;
        QTest::newRow("an escape") << QByteArray("\x1b[1mbold") << P::Binary;
        QTest::newRow("UTF-16 without BOM") << QByteArray("t\0e\0x\0t\0", 8) << P::Binary;
        QTest::newRow("a control in UTF-16")
            << encoded(QStringConverter::Utf16LE, QStringLiteral("bell\a")) << P::Binary;
        QTest::newRow("Windows-1252 that is not GB18030")
            << QByteArray("caf\xe9, s\xff") << P::Undecodable;
        QTest::newRow("UTF-16 cut short")
            << encoded(QStringConverter::Utf16LE, QStringLiteral("ab")).chopped(1)
            << P::Undecodable;
        QTest::newRow("nothing typeable")
            << QStringLiteral("你好，世界😀").toUtf8() << P::NothingTypeable;
    }
    void badInputMakesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(TextImport::Problem, problem);
        const TextImport::Result result = TextImport::fromBytes(bytes);
        QCOMPARE(result.problem, problem);
        QVERIFY(result.lessons.isEmpty());
        QVERIFY(!result.message.isEmpty());
    }

    void aFileThatCannotBeReadSaysWhy_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << "missing.txt" << QStringLiteral("无法读取这个文件：文件不存在");
        QTest::newRow("a folder") << "folder" << QStringLiteral("无法读取这个文件：这是一个文件夹");
        QTest::newRow("over 1 MB, never read") << "huge.txt" << QStringLiteral("超过 1 MB");
    }
    void aFileThatCannotBeReadSaysWhy() {
        QFETCH(QString, file);
        QFETCH(QString, why);
        const QTemporaryDir folder;
        QFile huge(folder.filePath(QStringLiteral("huge.txt")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(TextImport::maxBytes + 1));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
        const TextImport::Result result = TextImport::fromFile(folder.filePath(file));
        QVERIFY2(result.message.contains(why), qPrintable(result.message));
        QVERIFY(result.lessons.isEmpty());
    }

    void theClipboardFollowsTheSameRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextImport::Problem>("problem");
        using P = TextImport::Problem;
        QTest::newRow("only white space") << QStringLiteral("\u3000 \n") << P::Empty;
        QTest::newRow("1 MB of ASCII") << QString(TextImport::maxBytes, u'a') << P::None;
        // A third as many characters, each three bytes in UTF-8.
        QTest::newRow("over 1 MB of UTF-8")
            << QString(TextImport::maxBytes / 3 + 1, u'字') << P::TooLarge;
        QTest::newRow("a control") << QStringLiteral("a\u0007b") << P::Binary;
        QTest::newRow("nothing typeable") << QStringLiteral("中文") << P::NothingTypeable;
    }
    void theClipboardFollowsTheSameRules() {
        QFETCH(QString, text);
        QFETCH(TextImport::Problem, problem);
        const TextImport::Result result = TextImport::fromClipboard(text);
        QCOMPARE(result.problem, problem);
        QCOMPARE(result.lessons.isEmpty(), problem != TextImport::Problem::None);
    }

    void lessonsEndAtSentencesNearTheTargetLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("lengths");
        const QString sentence = words(99, u'.');
        QTest::newRow("a short text, line ends as spaces")
            << QStringLiteral("One. Two!\nThree?") << QList<qsizetype>{16};
        QTest::newRow("the sentence end nearest the target")
            << QStringList(5, sentence).join(u' ') << QList<qsizetype>{299, 199};
        QTest::newRow("a sentence ends after its closing quote")
            << QStringList(5, words(98, u'.') + u'"').join(u' ') << QList<qsizetype>{299, 199};
        QTest::newRow("a sentence end before the nearest line end")
            << words(210, u'.') + QStringList(4, u'\n' + words(90, u'a')).join(QString())
            << QList<qsizetype>{210, 363};
        QTest::newRow("no sentence end: the line end nearest the target")
            << QStringList(5, words(99, u'a')).join(u'\n') << QList<qsizetype>{299, 199};
        QTest::newRow("a long sentence in nearly equal parts between words")
            << words(700, u'.') << QList<qsizetype>{234, 234, 230};
        QTest::newRow("a word longer than a lesson")
            << QString(900, u'x') << QList<qsizetype>{300, 300, 300};
        QTest::newRow("blank lines make no lesson")
            << QStringLiteral("\n \n") << QList<qsizetype>{};
    }
    void lessonsEndAtSentencesNearTheTargetLength() {
        QFETCH(QString, text);
        QFETCH(QList<qsizetype>, lengths);
        const QStringList lessons = LessonCutter::cut(text);
        QList<qsizetype> cut;
        for (const QString& lesson : lessons) {
            cut.append(lesson.size());
            QCOMPARE(lesson, lesson.simplified());
        }
        QCOMPARE(cut, lengths);
        // Nothing lost, nothing added.
        QCOMPARE(lessons.join(QString()).remove(u' '), text.simplified().remove(u' '));
    }
};

KEYVORA_TEST_MAIN(TextImport, tst_TextImport)
#include "tst_TextImport.moc"
