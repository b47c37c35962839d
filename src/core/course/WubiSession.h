#pragma once

#include "course/LessonAttempt.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// An attempt at Chinese typed as Wubi 86 codes, as an input method takes them: a four-letter code
// commits at once, a shorter one with the space bar; only the codes that commit the character
// (it ranks first among everything with that code) are right, so the learner may commit it by
// any of them. A root-mnemonic item is a single key, struck at once.
//
// A letter that leads to none of the item's codes, a space that commits nothing right, or a
// space with nothing typed is a wrong key: it is counted, leaves what was typed as it was and
// shows the item's code beneath it. Backspace takes back the last letter typed. F1 shows the code
// too, and the item then counts as missed.
class WubiSession : public LessonAttempt {
    Q_OBJECT
public:
    struct Item {
        QString text;      // the character, word or verse shown
        QStringList codes; // its committing codes, shortest first (a verse: its key, in small)
        bool verse = false;
        int characters = 1; // Chinese characters it stands for (a verse counts as one)
    };

    WubiSession(QList<Item> items, const Clock& clock, QObject* parent = nullptr);

    const QList<Item>& items() const { return items_; }
    int current() const { return current_; }
    // What has been typed towards the current item.
    const QString& typed() const { return typed_; }
    // Whether the current item's code is shown (after a miss or F1).
    bool revealed() const { return revealed_; }
    // The code shown for an item: the shortest that commits it, "+ 空格" after a short one.
    static QString shownCode(const Item& item);
    // Whether each item done was committed without a wrong key or help; and how long it took.
    bool missed(int item) const { return item >= 0 && item < missed_.size() && missed_[item]; }
    double secondsFor(int item) const {
        return item >= 0 && item < times_.size() ? times_[item] : 0;
    }

    // F1: shows the current item's code; the item counts as missed.
    void reveal();

    // The key that types the next letter, once the code is shown; -1 while it is not.
    int nextCode() const override;

    // Items committed without a miss, as a share of the items committed.
    int accuracy() const override;
    // Keys a minute, every key struck counted.
    int speed() const override;
    int characters() const override { return characters_; }
    // Keys struck for each character committed, wrong keys and the space bar included.
    double codeLength() const override;

protected:
    Outcome handle(int vk, int modifiers) override;
    int firstTarget() const override;

private:
    Outcome wrong(int target, int vk, int modifiers);
    Outcome commit(int target, int vk, int modifiers);
    bool leadsToCode(const QString& typed) const;
    int expectedKey() const;

    QList<Item> items_;
    int current_ = 0;
    QString typed_;
    bool revealed_ = false;
    QVector<bool> missed_;
    QVector<double> times_;
    double itemStart_ = -1;
    int committed_ = 0;
    int clean_ = 0;
    int characters_ = 0;
};
