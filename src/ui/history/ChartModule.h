#pragma once

#include <QString>

class ProgressChart;
class QFont;
class QWidget;

// The module with the progress chart (keyvora-charts, beside the program), loaded the first
// time a chart is asked for and kept for the life of the process.
class ChartModule {
public:
    // folder: where the module lies.
    explicit ChartModule(QString folder);

    // A new chart as a child of parent, or nullptr when the module cannot be loaded.
    ProgressChart* create(QWidget* parent, const QFont& font) const;

    static const QString fileName; // "keyvora-charts"

private:
    QString folder_;
};
