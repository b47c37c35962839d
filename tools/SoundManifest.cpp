// Lists every sound file the trainer can ask for into the file named on the command line, one
// per line, in UTF-8 on every platform:
//     <path relative to the program folder> TAB <kind> TAB <text>
// The kinds are speech (text: what to say), effect (text: which effect), error, music and
// recitation (text: the verses to say over the music). The names come from the program's own
// tables, so the sound pack and the program cannot drift apart.

#include "keyboard/KeyTable.h"
#include "sound/WubiTables.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

// Written as bytes: the console's code page would turn the names into question marks on
// Windows, and its text mode would end the lines in CR LF.
void line(QFile& manifest, const QString& path, const QString& kind, const QString& text) {
    manifest.write((path + u'\t' + kind + u'\t' + text + u'\n').toUtf8());
}

QString chineseDigit(QChar digit) {
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    return digits.mid(digit.digitValue(), 1);
}

// What the voice says for a key-name stem: the Chinese stems say themselves; letters are
// named, digits said in Chinese; the few Latin stems get words a Mandarin voice can say.
QString spokenName(const QString& stem) {
    static const QHash<QString, QString> words{
        {QStringLiteral("左Shift"), QStringLiteral("左 shift")},
        {QStringLiteral("右Shift"), QStringLiteral("右 shift")},
        {QStringLiteral("左Ctrl"), QStringLiteral("左 control")},
        {QStringLiteral("右Ctrl"), QStringLiteral("右 control")},
        {QStringLiteral("左Alt"), QStringLiteral("左 alt")},
        {QStringLiteral("右Alt"), QStringLiteral("右 alt")},
        {QStringLiteral("Caps Lock"), QStringLiteral("大写锁定")},
        {QStringLiteral("and"), QStringLiteral("和号")},
        {QStringLiteral("at"), QStringLiteral("at 符号")},
        {QStringLiteral("美元"), QStringLiteral("美元符号")},
    };
    if (const auto it = words.constFind(stem); it != words.constEnd())
        return *it;
    if (stem.size() == 1 && stem[0].isDigit())
        return chineseDigit(stem[0]);
    if (stem.size() == 1 && stem[0].isLetter())
        return stem.toUpper();
    return stem;
}

// "11G 王旁青头兼五一" is said "一一，G，王旁青头兼五一": the code first, then the verse.
QString spokenMnemonic(const QString& entry) {
    return chineseDigit(entry[0]) + chineseDigit(entry[1]) + u'，' + entry[2] + u'，' +
           entry.mid(4);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: keyvora_sound_manifest <manifest file>\n", stderr);
        return 2;
    }
    QFile manifest(QString::fromLocal8Bit(argv[1]));
    if (!manifest.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fputs("keyvora_sound_manifest: cannot write the manifest\n", stderr);
        return 1;
    }
    for (int code = 0; code <= 126; ++code) {
        const QString stem = KeyTable::stem(code);
        // Capital and small letters share one file.
        if (!stem.isEmpty() && !(code >= 'A' && code <= 'Z'))
            line(manifest, QStringLiteral("声音/字符声音/") + stem, QStringLiteral("speech"),
                 spokenName(stem));
    }

    const QStringList effects{QStringLiteral("click"),      QStringLiteral("tap"),
                              QStringLiteral("typewriter"), QStringLiteral("woodblock"),
                              QStringLiteral("bell"),       QStringLiteral("drop"),
                              QStringLiteral("blip")};
    for (int i = 0; i < effects.size(); ++i)
        line(manifest, QStringLiteral("声音/音效/音效%1").arg(i + 1), QStringLiteral("effect"),
             effects[i]);
    line(manifest, QStringLiteral("声音/音效/语音报"), QStringLiteral("speech"),
         QStringLiteral("语音报键"));
    line(manifest, QStringLiteral("声音/音效/击键错误"), QStringLiteral("error"), QString());
    line(manifest, QStringLiteral("声音/五笔口诀/五笔口诀音乐"), QStringLiteral("music"),
         QString());

    for (int edition : {86, 98}) {
        const QString folder = QStringLiteral("声音/五笔口诀/五笔口诀%1版/").arg(edition);
        QStringList verses;
        for (int code = 'A'; code <= 'Y'; ++code) {
            const QString entry = WubiTables::mnemonic(edition, code);
            line(manifest, folder + entry.left(3), QStringLiteral("speech"), spokenMnemonic(entry));
        }
        // The recitation goes in the order of the table: zone by zone, key by key.
        for (int zone = 1; zone <= 5; ++zone) {
            for (int position = 1; position <= 5; ++position) {
                for (int code = 'A'; code <= 'Y'; ++code) {
                    const QString entry = WubiTables::mnemonic(edition, code);
                    if (entry.startsWith(QStringLiteral("%1%2").arg(zone).arg(position)))
                        verses << spokenMnemonic(entry);
                }
            }
        }
        line(manifest, folder + QStringLiteral("配乐五笔口诀%1版").arg(edition),
             QStringLiteral("recitation"), verses.join(u'。') + u'。');
    }
    return manifest.flush() ? 0 : 1;
}
