#include "learners/RecordsCsv.h"

#include "history/KeyStats.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

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

QString wrongKeys(const KeyFigures& key) {
    QStringList parts;
    for (const auto& [vk, presses] : key.wrong)
        parts.append(QStringLiteral("%1×%2")
                         .arg(KeyStats::keyName(KeyStats::keyOfVirtualKey(vk)))
                         .arg(presses));
    return parts.join(u'、');
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
    QString out;
    appendRow(out, {QStringLiteral("时间"), QStringLiteral("风格"), QStringLiteral("课程"),
                    QStringLiteral("目标"), QStringLiteral("代码"), QStringLiteral("出现"),
                    QStringLiteral("一次击中"), QStringLiteral("击中"),
                    QStringLiteral("中位用时（毫秒）"), QStringLiteral("Shift 失误"),
                    QStringLiteral("常按成")});
    for (const RunRecord& r : records) {
        const QString when = r.when.toString(Qt::ISODate);
        const QString style = r.isLesson() ? QString() : textCell(r.styleName);
        const QString lesson = textCell(r.lesson);
        for (const KeyFigures& k : r.keys)
            appendRow(out, {when, style, lesson, textCell(targetName(k.code)), number(k.code),
                            number(k.shown), number(k.firstHits), number(k.hits),
                            k.medianMs >= 0 ? number(k.medianMs) : QString(), number(k.shiftSlips),
                            textCell(wrongKeys(k))});
    }
    return bom + out.toUtf8();
}

QString RecordsCsv::keysFileFor(const QString& runsFile) {
    const QFileInfo info(runsFile);
    const QString folder = runsFile.left(runsFile.size() - info.fileName().size());
    const QString suffix = info.suffix().isEmpty() ? QStringLiteral("csv") : info.suffix();
    return folder + info.completeBaseName() + keysSuffix() + u'.' + suffix;
}
