#include "history/WeakKeyOption.h"

#include "history/RecordFile.h"
#include "platform/DataFolder.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"

#include <QSaveFile>

WeakKeyOption::WeakKeyOption(Options& options, const DataFolder& folder, QObject* parent)
    : QObject(parent), options_(options), folder_(folder) {
    connect(&options_, &Options::yicuojianChanged, this, [this](bool on) {
        if (on != saved_)
            save(on);
    });
}

QString WeakKeyOption::path() const {
    return folder_.file(QStringLiteral("数据库/重点练习易错键"));
}

void WeakKeyOption::restore() {
    const QList<QString> lines = SettingsFile::readLines(path());
    saved_ = !lines.isEmpty() && SettingsFile::booleanValue(lines.first().trimmed());
    options_.setYicuojian(saved_);
}

void WeakKeyOption::toggle() {
    options_.setYicuojian(!options_.yicuojian());
}

void WeakKeyOption::save(bool on) {
    const QString text = on ? SettingsFile::trueText : SettingsFile::falseText;
    const QByteArray bytes = text.toLatin1() + "\r\n";
    QSaveFile file(folder_.fileForWriting(QStringLiteral("数据库/重点练习易错键")));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        qCWarning(lcRecords) << "cannot save the weak-key option" << path() << file.errorString();
        file.cancelWriting();
        return;
    }
    if (file.commit())
        saved_ = on;
}
