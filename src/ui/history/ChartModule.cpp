#include "history/ChartModule.h"

#include "history/ProgressChart.h"
#include "history/RecordFile.h"

#include <QDir>
#include <QLibrary>

const QString ChartModule::fileName = QStringLiteral("keyvora-charts");

ChartModule::ChartModule(QString folder) : folder_(std::move(folder)) {}

ProgressChart* ChartModule::create(QWidget* parent, const QFont& font) const {
    QLibrary library(QDir(folder_).filePath(fileName));
    const auto make =
        reinterpret_cast<CreateProgressChart>(library.resolve(createProgressChartSymbol));
    if (!make) {
        qCWarning(lcRecords) << "cannot load the chart module:" << library.errorString();
        return nullptr;
    }
    return make(parent, font);
}
