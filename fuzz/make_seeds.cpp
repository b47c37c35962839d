// Writes the seed corpora of the fuzz targets: settings files as the program writes them (from
// SettingsFile::format) with variants of their line ends and lengths, number texts,
// learners' text files in each encoding the import reads, with the inputs it refuses, and
// learners' backups as the program writes them, with broken ones.
// Usage: make_seeds <fuzz/corpus folder>

#include "learners/LearnerBackup.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QStringEncoder>

#include <cstdio>

namespace {

bool write(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray utf16(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QByteArray encoded(const char* encoding, const QString& text, bool bom) {
    QStringEncoder encoder(encoding,
                           bom ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default);
    return encoder.encode(text);
}

bool writeTexts(const QDir& dir) {
    const QString english = QStringLiteral(
        "It was a bright cold day in April, and the clocks were striking thirteen. \"Really?\" "
        "she asked.\nHe said nothing! Then, after a while,\nhe went on walking down the long "
        "road\r\nto the village (which was far away).\n\nThe end.");
    const QString mixed = QStringLiteral("第1课：Good morning，Tom！\r\n“Typing” is fun…\r\n"
                                         "apple 苹果；banana 香蕉。2024年1月 café 😀 ok");
    QString longSentence;
    for (int i = 0; i < 200; ++i)
        longSentence += QStringLiteral("word%1 ").arg(i);
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("english-lf"), english.toUtf8()},
        {QStringLiteral("mixed-utf8"), mixed.toUtf8()},
        {QStringLiteral("mixed-utf8-bom"), encoded("UTF-8", mixed, true)},
        {QStringLiteral("mixed-utf16le-bom"), encoded("UTF-16LE", mixed, true)},
        {QStringLiteral("mixed-utf16be-bom"), encoded("UTF-16BE", mixed, true)},
        {QStringLiteral("mixed-gb18030"), encoded("GB18030", mixed, false)},
        {QStringLiteral("full-width"),
         QStringLiteral("Ｈｅｌｌｏ\u3000ＷＯＲＬＤ！《书》、“引号”‘单’（括号）—–…\u00a0end")
             .toUtf8()},
        {QStringLiteral("long-sentence"), longSentence.toUtf8()},
        {QStringLiteral("long-word"), QByteArray(700, 'x')},
        {QStringLiteral("only-chinese"), QStringLiteral("你好，世界。").toUtf8()},
        {QStringLiteral("white-space"), QStringLiteral(" \t\r\n\u3000").toUtf8()},
        {QStringLiteral("nul"), QByteArray("text\0text", 9)},
        {QStringLiteral("utf16-without-bom"), utf16(QStringLiteral("plain text"))},
        {QStringLiteral("windows-1252"), QByteArray("caf\xe9, na\xefve \xff")},
        {QStringLiteral("empty"), QByteArray()},
    };
    bool ok = true;
    for (const auto& [name, bytes] : files)
        ok &= write(dir, name, bytes);
    return ok;
}

bool writeBackups(const QDir& dir) {
    LearnerBackup::Contents contents;
    contents.learner = QStringLiteral("小明");
    contents.records = {
        "{\"accuracy\":98,\"count\":50,\"hits\":49,\"level\":3,\"seconds\":41.5,\"speed\":71,"
        "\"style\":3,\"styleName\":\"所有键\",\"time\":\"2026-12-09T10:00:00\",\"total\":50,"
        "\"keys\":[[65,2,1,400,2,0,[[83,1]]]]}",
        "{\"accuracy\":93,\"characters\":40,\"charSpeed\":25,\"codeLength\":3.4,\"count\":30,"
        "\"hits\":28,\"lesson\":\"wubi-07\",\"lessonName\":\"五笔 第 7 课\",\"seconds\":60,"
        "\"speed\":28,\"stage\":\"五笔\",\"styleName\":\"课程练习\","
        "\"time\":\"2026-12-09T11:00:00\",\"keys\":[]}"};
    contents.progress = QJsonObject{
        {QStringLiteral("format"), 1},
        {QStringLiteral("unlockAll"), false},
        {QStringLiteral("lessons"),
         QJsonObject{{QStringLiteral("keys-01"), QJsonObject{{QStringLiteral("passed"), true},
                                                             {QStringLiteral("bestSpeed"), 80},
                                                             {QStringLiteral("bestAccuracy"), 97},
                                                             {QStringLiteral("attempts"), 2}}}}}};
    contents.missBook = QJsonObject{
        {QStringLiteral("format"), 1},
        {QStringLiteral("entries"), QJsonArray{QJsonObject{{QStringLiteral("text"), "键"},
                                                           {QStringLiteral("code"), "qvte"},
                                                           {QStringLiteral("misses"), 1},
                                                           {QStringLiteral("streak"), 0}}}}};
    contents.texts = {{QStringLiteral("短文"), QStringLiteral("The quick brown fox.\nJumps.")}};
    const QByteArray good = LearnerBackup::toJson(contents, QDateTime(QDate(2026, 12, 9), {}));
    QByteArray newer = good;
    QByteArray leaving = good;
    LearnerBackup::Contents empty;
    empty.learner = QStringLiteral("Tom");
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("backup"), good},
        {QStringLiteral("empty-learner"), LearnerBackup::toJson(empty, QDateTime())},
        {QStringLiteral("cut-short"), good.left(good.size() / 2)},
        {QStringLiteral("newer"), newer.replace("\"format\":1", "\"format\":2")},
        {QStringLiteral("leaving-name"), leaving.replace("短文", "../短文")},
        {QStringLiteral("other-json"), "{\"format\":1,\"learners\":[]}"},
        {QStringLiteral("empty"), QByteArray()},
    };
    bool ok = true;
    for (const auto& [name, bytes] : files)
        ok &= write(dir, name, bytes);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("fuzz_SettingsFile")) ||
        !root.mkpath(QStringLiteral("fuzz_LeadingNumber")) ||
        !root.mkpath(QStringLiteral("fuzz_TextImport")) ||
        !root.mkpath(QStringLiteral("fuzz_Backup")))
        return 1;
    const QDir settings(root.filePath(QStringLiteral("fuzz_SettingsFile")));
    const QDir numbers(root.filePath(QStringLiteral("fuzz_LeadingNumber")));
    bool ok = true;

    const QList<QPair<QString, QByteArray>> states = {
        {QStringLiteral("design"), SettingsFile::format({0, 1, 2, 4}, {true, true, false, false})},
        {QStringLiteral("zeros"), SettingsFile::format({0, 0, 0, 0}, {false, false, false, false})},
        {QStringLiteral("last-items"),
         SettingsFile::format({11, 8, 19, 11}, {true, true, true, true})},
        {QStringLiteral("custom-total"),
         SettingsFile::format({7, 5, 13, 11}, {false, true, true, true})},
        {QStringLiteral("mixed"), SettingsFile::format({3, 2, 0, 9}, {true, false, true, false})},
        {QStringLiteral("one-group-unchecked"),
         SettingsFile::format({-1, 1, 2, 4}, {true, true, false, false})},
        {QStringLiteral("no-group-checked"),
         SettingsFile::format({-1, -1, -1, -1}, {false, true, false, true})},
    };
    for (const auto& [name, bytes] : states) {
        ok &= write(settings, name + QStringLiteral("-crlf"), bytes);
        QByteArray lf = bytes;
        ok &= write(settings, name + QStringLiteral("-lf"), lf.replace("\r\n", "\n"));
        QByteArray cr = bytes;
        ok &= write(settings, name + QStringLiteral("-cr"), cr.replace("\r\n", "\r"));
    }

    const QByteArray design = states.first().second;
    ok &= write(settings, QStringLiteral("no-last-line-end"), design.chopped(2));
    ok &= write(settings, QStringLiteral("empty"), QByteArray());
    ok &= write(settings, QStringLiteral("one-line"), " 5\r\n");
    ok &= write(settings, QStringLiteral("two-lines"), " 3\r\n 2\r\n");
    ok &= write(settings, QStringLiteral("index-then-boolean"), " 5\r\ntrue");
    ok &= write(settings, QStringLiteral("overlong-file"), design + design + "junk\r\n");
    ok &= write(settings, QStringLiteral("overlong-line"),
                QByteArray(5000, '5') + "\r\n" + design.mid(4));
    ok &= write(settings, QStringLiteral("blanks-and-case"),
                "\t3 \r\n  1\t\r\n2abc\r\n 4.5\r\n TRUE \r\ntrue\r\nfalse\r\nyes\r\n");
    ok &= write(settings, QStringLiteral("out-of-range"),
                "99999\r\n-40000\r\n32767.5\r\n1e999\r\nTrue\r\nFalse\r\nTrue\r\nFalse\r\n");
    ok &= write(settings, QStringLiteral("separator-and-halves"),
                " 4\r\n 2.5\r\n 3.5\r\n-1\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n");
    static const char binary[] = "\x00\xff\xfe\r\r\n\n\x80 7\x00\r\nTrue\x00";
    ok &= write(settings, QStringLiteral("binary"), QByteArray(binary, sizeof binary - 1));

    const QList<QPair<QString, QByteArray>> texts = {
        {QStringLiteral("signed"), " 3"},
        {QStringLiteral("letters-after"), "3abc"},
        {QStringLiteral("half"), "2.5"},
        {QStringLiteral("negative"), "-3"},
        {QStringLiteral("point-first"), "+.5e-2"},
        {QStringLiteral("exponent"), "1e3"},
        {QStringLiteral("exponent-without-digits"), "12e+"},
        {QStringLiteral("two-points"), "1.2.3"},
        {QStringLiteral("tab"), "\t7"},
        {QStringLiteral("underflow"), "1e-400"},
        {QStringLiteral("denormal"), "4.9e-324"},
        {QStringLiteral("overflow"), "1e309"},
        {QStringLiteral("many-digits"), QByteArray(400, '9')},
        {QStringLiteral("full-width-digit"), QStringLiteral("３").toUtf8()},
        {QStringLiteral("minus-zero"), "-0"},
        {QStringLiteral("hex"), "0x10"},
        {QStringLiteral("words"), "inf nan"},
        {QStringLiteral("top-of-16-bits"), " 32767"},
        {QStringLiteral("below-16-bits"), "-32768.5"},
        {QStringLiteral("above-16-bits"), "32767.5"},
        {QStringLiteral("utf16-signed"), utf16(QStringLiteral(" 42"))},
        {QStringLiteral("utf16-wide-blank"), utf16(QStringLiteral("\u3000 7.5e1"))},
    };
    for (const auto& [name, bytes] : texts)
        ok &= write(numbers, name, bytes);
    ok &= writeTexts(QDir(root.filePath(QStringLiteral("fuzz_TextImport"))));
    ok &= writeBackups(QDir(root.filePath(QStringLiteral("fuzz_Backup"))));
    return ok ? 0 : 1;
}
