#include "learners/RecordsCsv.h"

#include "history/KeyStats.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <array>

namespace {

const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QString lineEnd = QStringLiteral("\r\n");

QString number(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

// A count that does not apply (0) is left empty.
QString countIfAny(double value) {
    return value > 0 ? number(value) : QString();
}

QString seconds(double value) {
    QString text = number(value);
    if (!text.contains(u'.'))
        text += QStringLiteral(".0");
    return text;
}

void appendRow(QString& out, const QStringList& cells) {
    out += cells.join(u',');
    out += lineEnd;
}

QString targetName(int code) {
    if (code > 32 && code < 127)
        return QString(QChar(code));
    return KeyStats::keyName(KeyStats::keyOfCode(code));
}

} // namespace

QString RecordsCsv::textCell(const QString& text) {
    QString cell = text;
    if (!cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front()))
        cell.prepend(u'\'');
    if (cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\n') ||
        cell.contains(u'\r')) {
        cell.replace(u'"', QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

QByteArray RecordsCsv::runs(const QList<RunRecord>& records) {
    QString out;
    out.reserve(100 * (records.size() + 1));
    appendRow(out, {QStringLiteral("时间"), QStringLiteral("风格编号"), QStringLiteral("风格"),
                    QStringLiteral("级别"), QStringLiteral("总数"), QStringLiteral("课程"),
                    QStringLiteral("课名"), QStringLiteral("阶段"), QStringLiteral("计数"),
                    QStringLiteral("击中"), QStringLiteral("正确率（%）"),
                    QStringLiteral("用时（秒）"), QStringLiteral("速度（个/分）"),
                    QStringLiteral("五笔版本"), QStringLiteral("汉字数"),
                    QStringLiteral("汉字速度（字/分）"), QStringLiteral("码长")});
    for (const RunRecord& r : records) {
        const bool lesson = r.isLesson();
        appendRow(out,
                  {r.when.toString(Qt::ISODate), lesson ? QString() : number(r.style),
                   lesson ? QString() : textCell(r.styleName), lesson ? QString() : number(r.level),
                   lesson ? QString() : number(r.total), textCell(r.lesson), textCell(r.lessonName),
                   textCell(r.stage), number(r.count), number(r.hits), number(r.accuracy),
                   seconds(r.seconds), number(r.speed), countIfAny(r.wubiEdition),
                   countIfAny(r.characters), countIfAny(r.charSpeed), countIfAny(r.codeLength)});
    }
    return bom + out.toUtf8();
}

QByteArray RecordsCsv::keys(const QList<RunRecord>& records) {
    // A run has a row for each of its keys, so the rows are made without a list of cells and the
    // names of the keys once.
    std::array<QString, 127> targets;
    for (int code = 0; code < int(targets.size()); ++code)
        targets[std::size_t(code)] = textCell(targetName(code));
    std::array<QString, 256> instead;
    for (int vk = 0; vk < int(instead.size()); ++vk)
        instead[std::size_t(vk)] = KeyStats::keyName(KeyStats::keyOfVirtualKey(vk));

    QString out;
    out.reserve(qsizetype(records.size()) * 36 * 64);
    appendRow(out, {QStringLiteral("时间"), QStringLiteral("风格"), QStringLiteral("课程"),
                    QStringLiteral("目标"), QStringLiteral("代码"), QStringLiteral("出现"),
                    QStringLiteral("一次击中"), QStringLiteral("击中"),
                    QStringLiteral("中位用时（毫秒）"), QStringLiteral("Shift 失误"),
                    QStringLiteral("常按成")});
    QString wrong;
    for (const RunRecord& r : records) {
        const QString run = r.when.toString(Qt::ISODate) + u',' +
                            (r.isLesson() ? QString() : textCell(r.styleName)) + u',' +
                            textCell(r.lesson) + u',';
        for (const KeyFigures& k : r.keys) {
            out += run;
            out += k.code >= 0 && k.code < int(targets.size()) ? targets[std::size_t(k.code)]
                                                               : QString();
            for (const int n : {k.code, k.shown, k.firstHits, k.hits})
                out += u',' + QString::number(n);
            out += u',';
            if (k.medianMs >= 0)
                out += QString::number(k.medianMs);
            out += u',' + QString::number(k.shiftSlips) + u',';
            wrong.clear();
            for (const auto& [vk, presses] : k.wrong) {
                if (!wrong.isEmpty())
                    wrong += u'、';
                wrong += vk >= 0 && vk < int(instead.size()) ? instead[std::size_t(vk)]
                                                             : QString::number(vk);
                wrong += u'×' + QString::number(presses);
            }
            out += textCell(wrong);
            out += lineEnd;
        }
    }
    return bom + out.toUtf8();
}

QString RecordsCsv::keysFileFor(const QString& runsFile) {
    const QFileInfo info(runsFile);
    const QString folder = runsFile.left(runsFile.size() - info.fileName().size());
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return folder + info.completeBaseName() + keysSuffix() + u'.' + suffix;
}
