#include "course/WordList.h"

#include <QFile>

#include <algorithm>

std::uint32_t WordList::lettersOf(QByteArrayView text) {
    std::uint32_t letters = 0;
    for (const char c : text)
        if (c >= 'a' && c <= 'z')
            letters |= 1u << (c - 'a');
    return letters;
}

bool WordList::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    QList<QByteArray> words = bytes.split('\n');
    for (QByteArray& word : words)
        word = word.trimmed();
    setWords(words);
    return true;
}

void WordList::setWords(const QList<QByteArray>& words) {
    words_.clear();
    words_.reserve(std::size_t(words.size()));
    for (const QByteArray& word : words) {
        const bool lower = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](char c) {
            return c >= 'a' && c <= 'z';
        });
        if (lower)
            words_.push_back({word, lettersOf(word)});
    }
}
