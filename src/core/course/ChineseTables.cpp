#include "course/ChineseTables.h"

#include <QFile>
#include <QSet>

#include <algorithm>

namespace {

bool readFile(const QString& path, QByteArray* content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.readAll();
    return true;
}

// A syllable or code as the tables spell it: small letters only.
bool isLetters(const QString& text, int longest) {
    if (text.isEmpty() || text.size() > longest)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    return true;
}

} // namespace

bool ChineseTables::loadPinyin(const QString& path) {
    QByteArray content;
    if (!readFile(path, &content))
        return false;
    readPinyin(content);
    return true;
}

bool ChineseTables::loadWubi(const QString& path) {
    QByteArray content;
    if (!readFile(path, &content))
        return false;
    readWubi(content);
    return true;
}

void ChineseTables::readPinyin(const QByteArray& content) {
    characters_.clear();
    words_.clear();
    phrases_.clear();
    for (const QByteArray& line : content.split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() != 3 || fields[1].isEmpty())
            continue;
        const QStringList syllables = fields[2].split(QLatin1Char(' '));
        const bool read = std::all_of(syllables.begin(), syllables.end(),
                                      [](const QString& s) { return isLetters(s, 6); });
        // One syllable a character.
        if (!read || syllables.size() != fields[1].size())
            continue;
        const Pinyin entry{fields[1], syllables};
        if (fields[0] == QStringLiteral("字"))
            characters_.append(entry);
        else if (fields[0] == QStringLiteral("词"))
            words_.append(entry);
        else if (fields[0] == QStringLiteral("句"))
            phrases_.append(entry);
    }
}

void ChineseTables::readWubi(const QByteArray& content) {
    wubiCharacters_.clear();
    wubiWords_.clear();
    wubiIndex_.clear();
    for (const QByteArray& line : content.split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() != 3 || fields[1].isEmpty())
            continue;
        const QStringList codes = fields[2].split(QLatin1Char(' '));
        if (!std::all_of(codes.begin(), codes.end(),
                         [](const QString& c) { return isLetters(c, 4); }))
            continue;
        const Wubi entry{fields[1], codes};
        if (fields[0] == QStringLiteral("字"))
            wubiCharacters_.append(entry);
        else if (fields[0] == QStringLiteral("词"))
            wubiWords_.append(entry);
    }
    for (int i = 0; i < wubiCharacters_.size(); ++i)
        wubiIndex_.insert(wubiCharacters_[i].text, i);
    for (int i = 0; i < wubiWords_.size(); ++i)
        wubiIndex_.insert(wubiWords_[i].text, int(wubiCharacters_.size()) + i);
}

const ChineseTables::Wubi* ChineseTables::wubi(const QString& text) const {
    const auto it = wubiIndex_.constFind(text);
    if (it == wubiIndex_.constEnd())
        return nullptr;
    return *it < wubiCharacters_.size() ? &wubiCharacters_[*it]
                                        : &wubiWords_[*it - wubiCharacters_.size()];
}

QStringList ChineseTables::syllables() const {
    QStringList all;
    QSet<QString> seen;
    for (const Pinyin& c : characters_)
        for (const QString& s : c.syllables)
            if (!seen.contains(s)) {
                seen.insert(s);
                all.append(s);
            }
    return all;
}

QString ChineseTables::shown(const QString& syllable) {
    QString text = syllable;
    // The table writes ü as v (nv, lv) and üe as ue after n and l (nue, lue).
    text.replace(QLatin1Char('v'), QChar(0x00FC));
    if (text == QLatin1String("nue") || text == QLatin1String("lue"))
        text[1] = QChar(0x00FC);
    return text;
}
