#pragma once

#include <QWidget>

class CoursePractice;

// The Chinese of a 拼音 or 五笔 lesson: the character or word to type now, large, with its pinyin
// above it (ü as the learner reads it) in a pinyin lesson; in a Wubi lesson what has been typed
// towards its code beneath it and, after a miss or F1, the code itself; in a root-mnemonic lesson
// the verse. The items that follow are listed beside it, smaller.
class ChineseLessonView : public QWidget {
    Q_OBJECT
public:
    explicit ChineseLessonView(const CoursePractice& course, QWidget* parent = nullptr);

    // What is shown now, as a screen reader reads it: "的 de", "一，编码 g 空格".
    QString spoken() const;
    // Where the item to type is drawn (tests).
    QRect itemRect() const;
    QRect codeRect() const;

    QSize sizeHint() const override;

public slots:
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown {
        QString item;     // the character, word or verse
        QString above;    // its pinyin
        QString typed;    // what was typed towards its code
        QString code;     // its code, once shown
        QStringList next; // the items that follow
        bool verse = false;
        int done = 0;
        int total = 0;
    };
    Shown shown() const;

    const CoursePractice& course_;
};
