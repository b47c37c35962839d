#include "learners/Learners.h"

#include "platform/VersionedJson.h"

#include "course/CourseProgress.h"
#include "platform/Clock.h"
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

Q_LOGGING_CATEGORY(lcLearners, "keyvora.learners", QtCriticalMsg)

namespace {

qsizetype codePoints(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

bool sameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

bool isId(const QJsonValue& v) {
    return VersionedJson::isWholeNumber(v);
}

// The number a folder's name starts with: "12" and, for a removed learner, "12-20261209-153005".
int leadingNumber(const QString& name) {
    bool ok = false;
    const int n = name.section(u'-', 0, 0).toInt(&ok);
    return ok ? n : -1;
}

} // namespace

Learners::Learners(const DataFolder& data, const Clock& clock, QObject* parent)
    : QObject(parent), data_(data), clock_(clock) {
    reset();
}

void Learners::reset() {
    list_ = {Learner{firstId, firstName()}};
    current_ = firstId;
    nextId_ = 1;
}

QString Learners::path() const {
    return data_.file(listFile());
}

Learners::Reading Learners::load() {
    reset();
    setAsideAs_.clear();
    keepOff_ = false;
    QFile file(path());
    if (!file.exists())
        return Reading::Fresh;
    const WholeFile::Read read = WholeFile::read(path(), 1024 * 1024);
    if (read.ok() && fromJson(read.bytes))
        return Reading::Read;
    if (!read.ok() && !read.tooLarge) {
        qCWarning(lcLearners) << "cannot read" << path() << read.error;
        keepOff_ = true;
        return Reading::Failed;
    }
    reset();
    setAsideAs_ = CourseProgress::setAside(path(), clock_.localDateTime());
    if (setAsideAs_.isEmpty()) {
        qCWarning(lcLearners) << "cannot set aside" << path();
        keepOff_ = true;
        return Reading::Failed;
    }
    return Reading::SetAside;
}

bool Learners::fromJson(const QByteArray& bytes) {
    const std::optional<QJsonObject> object = VersionedJson::object(bytes, format);
    if (!object || !object->value(QStringLiteral("learners")).isArray() ||
        !isId(object->value(QStringLiteral("current"))))
        return false;
    const QJsonObject& o = *object;
    QList<Learner> read;
    QSet<int> ids;
    for (const QJsonValue& v : o.value(QStringLiteral("learners")).toArray()) {
        const QJsonObject l = v.toObject();
        const QJsonValue id = l.value(QStringLiteral("id"));
        const QString name = l.value(QStringLiteral("name")).toString();
        if (!isId(id) || ids.contains(id.toInt()) || name.trimmed() != name ||
            !nameProblem(name).isEmpty())
            return false;
        for (const Learner& other : read)
            if (sameName(other.name, name))
                return false;
        ids.insert(id.toInt());
        read.append({id.toInt(), name});
    }
    const int current = o.value(QStringLiteral("current")).toInt();
    if (read.isEmpty() || read.first().id != firstId || !ids.contains(current))
        return false;
    list_ = read;
    current_ = current;
    const QJsonValue next = o.value(QStringLiteral("next"));
    nextId_ = isId(next) ? std::max(next.toInt(), 1) : 1;
    for (const Learner& l : list_)
        nextId_ = std::max(nextId_, l.id + 1);
    return true;
}

QByteArray Learners::toJson() const {
    QJsonArray learners;
    for (const Learner& l : list_)
        learners.append(
            QJsonObject{{QStringLiteral("id"), l.id}, {QStringLiteral("name"), l.name}});
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), format},
                                     {QStringLiteral("current"), current_},
                                     {QStringLiteral("next"), nextId_},
                                     {QStringLiteral("learners"), learners}})
        .toJson(QJsonDocument::Indented);
}

QString Learners::save() {
    if (keepOff_)
        return QStringLiteral("学员名单 %1 无法读取，为了不丢失其中的学员，不会写入它。")
            .arg(QDir::toNativeSeparators(path()));
    const QString error = WholeFile::write(data_.fileForWriting(listFile()), toJson());
    if (!error.isEmpty())
        qCWarning(lcLearners) << "cannot write" << path();
    return error;
}

const Learners::Learner& Learners::currentLearner() const {
    const Learner* l = byId(current_);
    return l ? *l : list_.first();
}

const Learners::Learner* Learners::byId(int id) const {
    for (const Learner& l : list_)
        if (l.id == id)
            return &l;
    return nullptr;
}

const Learners::Learner* Learners::find(const QString& name) const {
    for (const Learner& l : list_)
        if (sameName(l.name, name))
            return &l;
    return nullptr;
}

LearnerFiles Learners::filesOf(int id) {
    if (id == firstId)
        return LearnerFiles();
    return LearnerFiles{learnersFolder() + QLatin1Char('/') + QString::number(id)};
}

QString Learners::nameProblem(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("请输入学员的名字。");
    if (codePoints(trimmed) > longestName)
        return QStringLiteral("学员的名字最多 %1 个字。").arg(longestName);
    return QString();
}

QString Learners::refusal(const QString& name, int id) const {
    if (const QString problem = nameProblem(name); !problem.isEmpty())
        return problem;
    const QString trimmed = name.trimmed();
    const Learner* other = find(trimmed);
    if (other && other->id != id)
        return QStringLiteral("已经有一位名叫“%1”的学员了（不分大小写，不计前后的空格）。")
            .arg(other->name);
    return QString();
}

// The first number above every one in use or ever used: in the list, counted so far, or naming
// a folder, removed ones included, so a folder left behind is never taken over.
int Learners::nextFreeId() const {
    int next = nextId_;
    for (const QString& folder : {learnersFolder(), removedFolder()})
        for (const QString& entry :
             QDir(data_.file(folder))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            next = std::max(next, leadingNumber(entry) + 1);
    return next;
}

Learners::Outcome Learners::add(const QString& name) {
    if (const QString refused = refusal(name); !refused.isEmpty())
        return {false, -1, refused};
    if (keepOff_)
        return {false, -1, save()};
    const int id = nextFreeId();
    const QString folder = filesOf(id).folder;
    const bool hadFolders = QFileInfo(data_.file(learnersFolder())).isDir();
    if (!data_.makeFolder(folder)) {
        qCWarning(lcLearners) << "cannot make" << data_.file(folder);
        return {false, -1,
                QStringLiteral("无法建立学员的文件夹“%1”。")
                    .arg(QDir::toNativeSeparators(data_.file(folder)))};
    }
    list_.append({id, name.trimmed()});
    nextId_ = id + 1;
    if (const QString error = save(); !error.isEmpty()) {
        list_.removeLast();
        QDir().rmdir(data_.file(folder));
        if (!hadFolders)
            QDir().rmdir(data_.file(learnersFolder()));
        return {false, -1, error};
    }
    emit listChanged();
    return {true, id, QString()};
}

Learners::Outcome Learners::rename(int id, const QString& name) {
    const qsizetype at =
        std::find_if(list_.cbegin(), list_.cend(), [id](const Learner& l) { return l.id == id; }) -
        list_.cbegin();
    if (at == list_.size())
        return {false, id, QStringLiteral("没有这位学员。")};
    if (const QString refused = refusal(name, id); !refused.isEmpty())
        return {false, id, refused};
    const QString before = list_[at].name;
    if (before == name.trimmed())
        return {true, id, QString()};
    list_[at].name = name.trimmed();
    if (const QString error = save(); !error.isEmpty()) {
        list_[at].name = before;
        return {false, id, error};
    }
    emit listChanged();
    return {true, id, QString()};
}

Learners::Outcome Learners::remove(int id) {
    if (id == firstId)
        return {false, id,
                QStringLiteral("第一位学员“%1”不能删除，只能改名。").arg(list_.first().name)};
    const qsizetype at =
        std::find_if(list_.cbegin(), list_.cend(), [id](const Learner& l) { return l.id == id; }) -
        list_.cbegin();
    if (at == list_.size())
        return {false, id, QStringLiteral("没有这位学员。")};
    if (keepOff_)
        return {false, id, save()};

    // The folder goes first, so that a learner still listed always has all of its files.
    const QString folder = data_.file(filesOf(id).folder);
    QString moved;
    if (QFileInfo(folder).isDir()) {
        if (!data_.makeFolder(removedFolder()))
            return {false, id,
                    QStringLiteral("无法建立文件夹“%1”，学员没有删除。")
                        .arg(QDir::toNativeSeparators(data_.file(removedFolder())))};
        const QString stamp = clock_.localDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        const QString base = data_.file(removedFolder()) + QLatin1Char('/') + QString::number(id) +
                             QLatin1Char('-') + stamp;
        moved = base;
        for (int n = 2; QFileInfo::exists(moved); ++n)
            moved = base + QLatin1Char('-') + QString::number(n);
        if (!QDir().rename(folder, moved)) {
            qCWarning(lcLearners) << "cannot move" << folder << "to" << moved;
            return {false, id,
                    QStringLiteral("无法把学员的文件夹“%1”移到“%2”，学员没有删除。")
                        .arg(QDir::toNativeSeparators(folder),
                             QDir::toNativeSeparators(data_.file(removedFolder())))};
        }
    }
    const Learner removed = list_.takeAt(at);
    const int before = current_;
    if (current_ == id)
        current_ = firstId;
    if (const QString error = save(); !error.isEmpty()) {
        list_.insert(at, removed);
        current_ = before;
        if (!moved.isEmpty())
            QDir().rename(moved, folder);
        return {false, id, error};
    }
    emit listChanged();
    if (current_ != before)
        emit currentChanged();
    return {true, id, QString(), current_ != before};
}

Learners::Outcome Learners::setCurrent(int id) {
    if (!byId(id))
        return {false, id, QStringLiteral("没有这位学员。")};
    if (id == current_)
        return {true, id, QString()};
    const int before = current_;
    current_ = id;
    if (const QString error = save(); !error.isEmpty()) {
        current_ = before;
        return {false, id, error};
    }
    emit currentChanged();
    return {true, id, QString(), true};
}

Learners::Outcome Learners::startWith(const QString& name) {
    if (const Learner* known = find(name))
        return setCurrent(known->id);
    const Outcome added = add(name);
    if (!added.ok)
        return added;
    return setCurrent(added.id);
}
