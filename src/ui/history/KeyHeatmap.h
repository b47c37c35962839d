#pragma once

#include "history/KeyStats.h"
#include "keyboard/KeyboardModel.h"

#include <QWidget>

class KeyboardView;
class QLabel;

// The key heatmap of the history window: the main window's drawn keyboard, each key filled by
// its miss rate from green (few misses) to red (the most), keys never practised in the key
// colour, with a legend beneath. Hovering a key tells its figures.
class KeyHeatmap : public QWidget {
    Q_OBJECT
public:
    explicit KeyHeatmap(QWidget* parent = nullptr);

    // The runs to show, with their key figures.
    void setRuns(const QList<RunRecord>& runs);

    KeyboardView* keyboard() const { return view_; }
    // The miss rate the red end of the scale stands for.
    double scaleTop() const { return top_; }

    // The fill for a miss rate on a scale that ends at top: hue 120 (green) down to 0 (red).
    static QRgb colourFor(double rate, double top);
    // What hovering a key shows.
    static QString toolTip(int keyIndex, const KeyStats::Key& key);
    // The keys missed most often, worst first, one line each: at most count of them.
    QString weakestKeys(int count) const;

private:
    KeyboardModel model_;
    KeyStats stats_{{}};
    KeyboardView* view_ = nullptr;
    QLabel* legendTop_ = nullptr;
    double top_ = 0;
};
