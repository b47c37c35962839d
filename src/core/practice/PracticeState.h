#pragma once

#include <QObject>
#include <QString>

#include <array>

// The value labels of the statistics panel. Level and Total are also the only store of the
// practice level and the character total; Tenths is the tenths-of-a-second label.
enum class StatLabel { Level, Total, Seconds, Count, Hits, Accuracy, Minutes, Speed, Tenths };

// The state of a practice run, read and written by the controllers and shown by the panels.
// A value not yet set by a run behaves as 0.
class PracticeState : public QObject {
    Q_OBJECT
public:
    explicit PracticeState(QObject* parent = nullptr);

    int mubiao = 0;           // current target code
    double hengzuobiao = 0;   // left edge of the falling character, twips
    int xialuobushu = 0;      // fall step count of the current character
    int jishu = 0;            // 1-based number of the character being dealt with
    int jizhong = 0;          // correct key presses in this run
    double kaishishijian = 0; // run start, on the clock's monotonic scale (seconds)

    // The running flag: on from the end of a countdown until Stop. Only the run timer's owner
    // changes it, together with the timer.
    bool running() const { return running_; }
    void setRunning(bool on);

    const QString& text(StatLabel label) const { return texts_[index(label)]; }

    // Grows with every change of any text: who computes from the texts can tell that none
    // changed without reading them.
    quint64 textRevision() const { return textRevision_; }
    // Writes a label text; signals only when the text actually changes.
    void setText(StatLabel label, const QString& text);

    // The level and total read back from their label texts with the leading-number parse.
    double level() const;
    double total() const;

    // The run is complete once as many characters have been dealt with as the total names.
    bool runComplete() const { return jishu >= total() + 1; }

signals:
    void textChanged(StatLabel label);
    void runningChanged(bool running);

private:
    static std::size_t index(StatLabel label) { return static_cast<std::size_t>(label); }

    std::array<QString, 9> texts_;
    quint64 textRevision_ = 0;
    bool running_ = false;
};
