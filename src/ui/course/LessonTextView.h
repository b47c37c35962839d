#pragma once

#include <QWidget>

#include <vector>

class LessonSession;

// The text of a lesson in lines: the characters typed right in green, those missed in red, the
// character to type next on the lit colour of the keyboard under a caret, the rest in black. It
// shows a few lines and scrolls a line at a time, keeping the line before the caret's in view.
// Line breaks fall at spaces; the layout is made once for a text and a width.
class LessonTextView : public QWidget {
    Q_OBJECT
public:
    explicit LessonTextView(QWidget* parent = nullptr);

    // How many lines are in view (4 unless set).
    void setVisibleLines(int lines);
    int visibleLines() const { return visibleLines_; }

    // The attempt to show, or nullptr for none; the view follows its progress.
    void setSession(const LessonSession* session);

    // The first line in view and the line of the caret (tests).
    int firstVisibleLine() const { return firstLine_; }
    int caretLine() const;
    // Where the character at an index of the text is drawn, in the view's coordinates; empty
    // when it is out of view.
    QRect characterRect(int index) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Line {
        int start = 0;           // index of its first character in the text
        int length = 0;          // characters, the space that ends it included
        std::vector<qreal> left; // x of each character, and the end of the last
    };

    void layOut();
    void follow();
    int lineOf(int index) const;
    int lineHeight() const;

    const LessonSession* session_ = nullptr;
    std::vector<Line> lines_;
    int laidWidth_ = -1;
    int firstLine_ = 0;
    int shownPosition_ = -1; // the caret as last painted; -1: repaint the whole view next
    int visibleLines_ = 4;
};
