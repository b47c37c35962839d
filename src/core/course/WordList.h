#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// The English words the lessons are made of: lower-case ASCII words from the build's word list
// (`课程/words.txt` beside the program), read when first needed. Each word carries the set of
// its letters, so that the words a lesson may use are found without looking at their letters.
class WordList {
public:
    struct Word {
        QByteArray text;
        std::uint32_t letters = 0; // bit n: the letter 'a' + n occurs
    };

    // The letters of a text as such a set; characters other than a-z are left out.
    static std::uint32_t lettersOf(QByteArrayView text);

    // Reads the file, one word a line; lines that are not a lower-case word are skipped. False
    // when the file cannot be read (the lessons then use letter groups alone).
    bool load(const QString& path);
    // Words given directly (tests).
    void setWords(const QList<QByteArray>& words);

    const std::vector<Word>& words() const { return words_; }
    bool isEmpty() const { return words_.empty(); }

private:
    std::vector<Word> words_;
};
