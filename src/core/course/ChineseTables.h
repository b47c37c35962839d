#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The Chinese the 拼音 and 五笔 stages teach, from the tables the build extracts beside the program
// (`课程/pinyin.tsv`, `课程/wubi86.tsv`): the commonest characters, two-character words and short
// phrases with their pinyin, commonest first; and the Wubi 86 codes that commit each character and
// word, shortest first.
class ChineseTables {
public:
    struct Pinyin {
        QString text;
        QStringList syllables; // without tones, ü written v (nv, lv) and üe as ue (lue)
    };
    struct Wubi {
        QString text;
        QStringList codes; // the codes that commit it, shortest first
    };

    // Reads the files; false for a file that cannot be read (its stages then have nothing to
    // practise). Lines that do not read are skipped.
    bool loadPinyin(const QString& path);
    bool loadWubi(const QString& path);
    // The same from the files' content (tests).
    void readPinyin(const QByteArray& content);
    void readWubi(const QByteArray& content);

    const QList<Pinyin>& characters() const { return characters_; }
    const QList<Pinyin>& words() const { return words_; }
    const QList<Pinyin>& phrases() const { return phrases_; }
    // Characters in the order of the pinyin table's characters, then the others the lessons need
    // (the characters of the one- and two-key codes and of the key names); two-character words.
    const QList<Wubi>& wubiCharacters() const { return wubiCharacters_; }
    const QList<Wubi>& wubiWords() const { return wubiWords_; }
    // The codes that commit a character or word, or nullptr.
    const Wubi* wubi(const QString& text) const;

    // Every distinct syllable of the characters, commonest first.
    QStringList syllables() const;

    // "lüe" for "lue": how a syllable is shown to a reader (ü where the table writes v, and in üe).
    static QString shown(const QString& syllable);

private:
    QList<Pinyin> characters_;
    QList<Pinyin> words_;
    QList<Pinyin> phrases_;
    QList<Wubi> wubiCharacters_;
    QList<Wubi> wubiWords_;
    QHash<QString, int> wubiIndex_; // text: index, words after characters
};
