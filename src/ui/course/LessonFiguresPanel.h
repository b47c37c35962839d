#pragma once

#include <QGroupBox>

class QLabel;

// The live figures of a lesson, in the statistics panel's fonts and colours: count, hits,
// accuracy, time and speed, and for the Chinese stages characters a minute and keys a character.
// It only shows what it is given.
class LessonFiguresPanel : public QGroupBox {
    Q_OBJECT
public:
    // The rows, top to bottom.
    enum Row { Count, Hits, Accuracy, Time, Speed, CharSpeed, CodeLength, Rows };

    explicit LessonFiguresPanel(QWidget* parent = nullptr);

    struct Figures {
        int count = 0;
        int hits = 0;
        int accuracy = 0;
        double seconds = 0;
        int speed = 0;
        int charSpeed = -1;     // -1: the row is hidden
        double codeLength = -1; // -1: the row is hidden
    };
    void setFigures(const Figures& figures);

    QLabel* value(Row row) const { return values_[row]; }
    // Beside the value: its unit, or for the time its tenths.
    QLabel* unit(Row row) const { return units_[row]; }

private:
    QLabel* captions_[Rows]{};
    QLabel* values_[Rows]{};
    QLabel* units_[Rows]{};
};
