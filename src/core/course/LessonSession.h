#pragma once

#include "course/LessonAttempt.h"

#include <QHash>
#include <QString>
#include <QVector>

// An attempt at a text typed character by character: the character to type next, what became of
// each character typed, and the figures. A wrong key is counted and leaves the caret where it is;
// a character is a hit when the first key pressed for it types it.
//
// The text may be made of items (the pinyin of Chinese characters and words, each followed by a
// space): an item counts its Chinese characters once its last key is typed.
class LessonSession : public LessonAttempt {
    Q_OBJECT
public:
    enum class Mark : unsigned char { Pending, Right, Missed };

    LessonSession(QString text, const Clock& clock, QObject* parent = nullptr);

    const QString& text() const { return text_; }
    // Where the text also takes another character than its own (ü typed as u in üe).
    void setAlsoAccepted(QHash<int, QChar> alternatives) { also_ = std::move(alternatives); }
    // The items of the text: where each ends (the index after its last character) and how many
    // Chinese characters it stands for.
    struct Item {
        int end = 0;
        int characters = 1;
    };
    void setItems(QVector<Item> items) { items_ = std::move(items); }
    // The item the caret is in, or -1 without items.
    int currentItem() const;

    int position() const { return position_; }
    Mark mark(int i) const { return i >= 0 && i < marks_.size() ? marks_[i] : Mark::Pending; }
    int nextCode() const override;

    int hits() const { return hits_; }
    int typed() const { return position_; }
    // Hits as a share of the keys counted, and characters typed a minute.
    int accuracy() const override;
    int speed() const override;
    int characters() const override;

protected:
    Outcome handle(int vk, int modifiers) override;

private:
    QString text_;
    QHash<int, QChar> also_;
    QVector<Item> items_;
    QVector<Mark> marks_;
    int position_ = 0;
    int hits_ = 0;
    bool missedHere_ = false; // a wrong key was pressed for the character at the caret
};
