// Arbitrary bytes as the content of the settings file, read by the program's own reading code
// and restored into a freshly built trainer through the real click handlers. Any file must give
// bounded lines, a menu state with one checked item in every group, no prompt, and a save that
// is well formed and restores to itself.

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeRandom.h"
#include "RecordingSoundChannel.h"
#include "Require.h"

#include "app/Trainer.h"
#include "platform/Platform.h"
#include "practice/LevelsAndTotals.h"
#include "settings/NumberText.h"
#include "settings/SettingsFile.h"

#include <QAction>
#include <QBuffer>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

#include <cstdint>

namespace {

// The trainer with fakes for everything outside, as the tests build it.
struct Rig {
    FakeClock clock;
    FakeRandom random;
    std::array<RecordingSoundChannel, 4> channels;
    FakeConnection connection;
    FakeInputBox inputBox;
    FakeMessageBox messageBox;
    FakeShell shell;
    Trainer trainer{platform()};

    Platform platform() {
        Platform p;
        p.clock = &clock;
        p.random = &random;
        for (std::size_t i = 0; i < 4; ++i)
            p.channels[i] = &channels[i];
        // Never touched: the content reaches the store without the disk.
        p.folder = ProgramFolder(QStringLiteral("/nonexistent-keyvora-fuzz"));
        p.data = DataFolder(p.folder.path());
        p.screenWidth = [] { return 1920; };
        p.connection = &connection;
        p.inputBox = &inputBox;
        p.messageBox = &messageBox;
        p.shell = &shell;
        return p;
    }
};

QList<QString> readLines(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return SettingsFile::readLines(buffer);
}

// The lines as the file's rule has them, written plainly over the whole content at once.
QList<QString> expectedLines(const QByteArray& bytes) {
    const QByteArray head = bytes.left(SettingsFile::maxBytes);
    QList<QString> lines;
    QString current;
    bool open = false;
    for (qsizetype i = 0; i < head.size() && lines.size() < SettingsFile::maxLines; ++i) {
        const char c = head[i];
        if (c == '\r' || c == '\n') {
            lines << current.left(SettingsFile::maxLineChars);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < head.size() && head[i + 1] == '\n')
                ++i;
            continue;
        }
        open = true;
        current += QChar::fromLatin1(c);
    }
    if (open && lines.size() < SettingsFile::maxLines)
        lines << current.left(SettingsFile::maxLineChars);
    return lines;
}

// The line the restore uses in place n: a missing line repeats the last one read.
QString effectiveLine(const QList<QString>& lines, int n) {
    if (lines.isEmpty())
        return QString();
    return lines[std::min<qsizetype>(n, lines.size() - 1)].trimmed();
}

int checkedCount(const QList<QAction*>& group) {
    int count = 0;
    for (QAction* item : group)
        count += !item->isSeparator() && item->isChecked();
    return count;
}

bool selectable(const QList<QAction*>& group, int index) {
    return index >= 0 && index < group.size() && !group[index]->isSeparator();
}

std::array<int, 4> checkedIndices(const MenuTree& m) {
    return {MenuTree::checkedIndex(m.fengge1), MenuTree::checkedIndex(m.shengyin1),
            MenuTree::checkedIndex(m.jibie), MenuTree::checkedIndex(m.zongshu)};
}

void checkRestore(const QList<QString>& lines) {
    Rig rig;
    const std::array<int, 4> before = checkedIndices(rig.trainer.menus);
    rig.trainer.settings.apply(lines);
    MenuTree& m = rig.trainer.menus;

    for (const QList<QAction*>* group : {&m.fengge1, &m.shengyin1, &m.jibie, &m.zongshu, &m.banci1})
        require(checkedCount(*group) == 1, "a group has not exactly one checked item");

    // A line naming an item of its group selects it; anything else leaves the group as it was.
    const std::array<const QList<QAction*>*, 4> groups{&m.fengge1, &m.shengyin1, &m.jibie,
                                                       &m.zongshu};
    const std::array<int, 4> after = checkedIndices(m);
    for (int g = 0; g < 4; ++g) {
        const std::optional<int> index = SettingsFile::indexValue(effectiveLine(lines, g));
        const bool applies = index && selectable(*groups[g], *index);
        require(after[g] == (applies ? *index : before[g]), "a group index was not restored");
    }

    const std::array<QAction*, 4> marks{m.zhifa, m.cuowushengyin, m.beijingyinyue, m.banci1[0]};
    for (int k = 0; k < 4; ++k)
        require(marks[k]->isChecked() == SettingsFile::booleanValue(effectiveLine(lines, 4 + k)),
                "a mark was not restored");
    require(m.banci1[1]->isChecked() != m.banci1[0]->isChecked(), "both editions agree");

    // The restore never asks or tells the user anything.
    require(rig.inputBox.prompts.isEmpty(), "the restore prompted for a total");
    require(rig.messageBox.texts.isEmpty(), "the restore showed a message");

    const PracticeState& state = rig.trainer.state;
    // The labels are compared by their numbers: before any handler the level label holds the
    // design text "  3" while its item reads "3".
    require(NumberText::leadingNumber(LevelsAndTotals::levelText(state.options())) == after[2] + 1,
            "level label out of step");
    const double total = NumberText::leadingNumber(LevelsAndTotals::totalText(state.options()));
    require(total == (after[3] == Options::customTotal
                          ? 99.0
                          : NumberText::leadingNumber(m.zongshu[after[3]]->text())),
            "total label out of step");

    // Saving gives eight well-formed lines that restore to the same state and save the same.
    const QByteArray saved = rig.trainer.settings.content();
    static const QRegularExpression wellFormed(
        QStringLiteral("\\A( [0-9]{1,2}\\r\\n){4}((True|False)\\r\\n){4}\\z"));
    require(wellFormed.match(QString::fromLatin1(saved)).hasMatch(), "the save is malformed");
    // The saves are few (one per menu state), so each is restored only the first time it is met.
    static QSet<QByteArray> restoredSaves;
    if (restoredSaves.contains(saved))
        return;
    restoredSaves.insert(saved);
    const QList<QString> savedLines = readLines(saved);
    require(savedLines.size() == SettingsFile::maxLines, "the save does not read back as 8 lines");
    Rig again;
    again.trainer.settings.apply(savedLines);
    require(checkedIndices(again.trainer.menus) == after, "the save restores other indices");
    require(again.trainer.settings.content() == saved, "the save is not a fixed point");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Menu items need the GUI application; it lives for the whole fuzzing process.
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QString> lines = readLines(bytes);
    require(lines.size() <= SettingsFile::maxLines, "more than eight lines");
    require(lines == expectedLines(bytes), "the lines differ from the plain rule");
    for (const QString& line : lines) {
        require(line.size() <= SettingsFile::maxLineChars, "a line is longer than the cap");
        const std::optional<int> index = SettingsFile::indexValue(line);
        require(!index || (*index >= -32768 && *index <= 32767), "an index beyond 16 bits");
        SettingsFile::booleanValue(line);
    }
    checkRestore(lines);
    return 0;
}
