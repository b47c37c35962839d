#pragma once

#include <QObject>

class Options;

// The value labels of the statistics panel. Tenths is the tenths-of-a-second label.
enum class StatLabel { Level, Total, Seconds, Count, Hits, Accuracy, Minutes, Speed, Tenths };

// The state of a practice run, read and written by the controllers and shown by the panels.
// The run's figures are numbers; only the statistics panel turns them into texts. The level and
// the total are the options model's.
class PracticeState : public QObject {
    Q_OBJECT
public:
    explicit PracticeState(const Options& options, QObject* parent = nullptr);

    const Options& options() const { return options_; }

    int mubiao = 0;           // current target code
    double hengzuobiao = 0;   // left edge of the falling character, twips
    int xialuobushu = 0;      // fall step count of the current character
    double kaishishijian = 0; // run start, on the clock's monotonic scale (seconds)

    // `jishu`: the 1-based number of the character being dealt with (0 before the first run).
    int jishu() const { return jishu_; }
    void setJishu(int jishu);
    // `jizhong`: the correct key presses in this run.
    int jizhong() const { return jizhong_; }
    void setJizhong(int jizhong);
    // The run time the run clock shows, in seconds since the run started; it stands still
    // between runs.
    double elapsed() const { return elapsed_; }
    void setElapsed(double seconds);

    // The running flag: on from the end of a countdown until Stop. Only the run timer's owner
    // changes it, together with the timer.
    bool running() const { return running_; }
    void setRunning(bool on);

    double level() const;
    double total() const;

    // The run is complete once as many characters have been dealt with as the total names.
    bool runComplete() const { return jishu_ >= total() + 1; }

signals:
    void runningChanged(bool running);
    void jishuChanged(int jishu);
    void jizhongChanged(int jizhong);
    void elapsedChanged(double seconds);

private:
    const Options& options_;
    int jishu_ = 0;
    int jizhong_ = 0;
    double elapsed_ = 0;
    bool running_ = false;
};
