#include "app/CommandLine.h"

#include "Version.h"
#include "learners/Learners.h"
#include "learners/RecordsExport.h"
#include "platform/DataFolder.h"
#include "platform/ParentConsole.h"
#include "practice/SystemClock.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <vector>

namespace {

const QString learnerOption = QStringLiteral("learner");
const QString exportOption = QStringLiteral("export");
const QString exportAllOption = QStringLiteral("export-all");
const QString exportKeysOption = QStringLiteral("export-keys");

// Qt's documented options, which the application takes for itself, with whether each takes a
// value. They are accepted here and left to it.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qmljsdebugger", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"style", true},
    {"stylesheet", true},
    {"title", true},
    {"name", true},
    {"visual", true},
    {"ncols", true},
    {"fn", true},
    {"bg", true},
    {"fg", true},
    {"btn", true},
    {"im", true},
    {"inputstyle", true},
    {"graphicssystem", true},
    {"dialogs", true},
    {"fontengine", true},
    {"reverse", false},
    {"widgetcount", false},
    {"cmap", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

void describe(QCommandLineParser& parser) {
    // Qt's options are written with one dash, "-platform", as are these, "-learner".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Keyvora 打字练习：盲打与五笔字根口诀。\n"
                       "Touch-typing trainer with Wubi root mnemonics."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {learnerOption,
         QStringLiteral("以这位学员开始（没有就新建）；与 --export 同用时导出这位学员的记录。\n"
                        "Start as this learner, added when new; with --export, "
                        "export this learner's records."),
         QStringLiteral("名字")});
    parser.addOption({exportOption,
                      QStringLiteral("把当前学员的练习记录导出为 CSV 文件，不打开窗口。\n"
                                     "Write the current learner's runs and lessons as CSV, "
                                     "without a window."),
                      QStringLiteral("文件.csv")});
    parser.addOption(
        {exportKeysOption, QStringLiteral("同时把各键的数字导出到旁边的“<文件>-按键.csv”。\n"
                                          "Also write the per-key figures beside it, to "
                                          "<file>-按键.csv.")});
    parser.addOption({exportAllOption,
                      QStringLiteral("把每一位学员的练习记录导出到这个文件夹，一位学员一个文件。\n"
                                     "Write every learner's records to this folder, a file "
                                     "each."),
                      QStringLiteral("文件夹")});
    for (const QtOption& qt : qtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int refuse(const QString& message) {
    ParentConsole::print(stderr, QStringLiteral("keyvora: %1\n用法见 keyvora --help。 "
                                                "Try 'keyvora --help' for more information.\n")
                                     .arg(message));
    return 1;
}

int report(bool ok, const QString& message) {
    ParentConsole::print(ok ? stdout : stderr, message + u'\n');
    return ok ? 0 : 1;
}

} // namespace

void CommandLine::nameApplication() {
    // The name also names the user's own data folder (~/.local/share/keyvora on Linux).
    QCoreApplication::setApplicationName(QStringLiteral("keyvora"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::major).arg(Version::minor).arg(Version::revision));
}

std::optional<int> CommandLine::answer(int argc, char** argv, Start* start) {
    // A core application of its own, on copies, so the real one later sees the untouched line.
    std::vector<char*> copy(argv, argv + argc);
    int count = argc;
    QCoreApplication app(count, copy.data());
    nameApplication();
    ParentConsole::attach();

    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("多余的参数“%1”。Unexpected argument '%1'.")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(QStringLiteral("help")))
        return report(true, parser.helpText().trimmed());
    if (parser.isSet(QStringLiteral("help-all"))) {
        QStringList names;
        for (const QtOption& qt : qtOptions)
            names.append(QLatin1Char('-') + QLatin1String(qt.name) +
                         (qt.takesValue ? QStringLiteral(" <value>") : QString()));
        return report(true, parser.helpText().trimmed() +
                                QStringLiteral("\n\nQt 的选项 Qt's options:\n  ") +
                                names.join(QStringLiteral("\n  ")));
    }
    if (parser.isSet(QStringLiteral("version")))
        return report(true,
                      QStringLiteral("keyvora %1").arg(QCoreApplication::applicationVersion()));

    const bool one = parser.isSet(exportOption);
    const bool all = parser.isSet(exportAllOption);
    if (one && all)
        return refuse(QStringLiteral("--export 与 --export-all 只能用一个。"));
    if (parser.isSet(exportKeysOption) && !one && !all)
        return refuse(QStringLiteral("--export-keys 要与 --export 或 --export-all 同用。"));
    for (const QString& option : {exportOption, exportAllOption, learnerOption})
        if (parser.isSet(option) && parser.value(option).isEmpty())
            return refuse(QStringLiteral("--%1 后面少了内容。").arg(option));
    if (all && parser.isSet(learnerOption))
        return refuse(QStringLiteral("--export-all 导出每一位学员，不与 --learner 同用。"));
    if (!one && !all && !parser.isSet(learnerOption))
        return std::nullopt;

    // The data folder the program itself would choose.
    const DataFolder data = DataFolder::chooseForThisUser(QCoreApplication::applicationDirPath());
    SystemClock clock;
    Learners learners(data, clock);
    switch (learners.load()) {
    case Learners::Reading::SetAside:
        ParentConsole::print(stderr, QStringLiteral("keyvora: 学员名单已损坏，已改名保存为“%1”。\n")
                                         .arg(learners.setAsideAs()));
        break;
    case Learners::Reading::Failed:
        return refuse(QStringLiteral("无法读取学员名单“%1”。").arg(learners.path()));
    case Learners::Reading::Fresh:
    case Learners::Reading::Read:
        break;
    }

    const bool keys = parser.isSet(exportKeysOption);
    if (all) {
        const RecordsExport::Outcome done =
            RecordsExport::all(data, learners, parser.value(exportAllOption), keys);
        return report(done.ok, done.message);
    }
    if (one) {
        const Learners::Learner* learner = &learners.currentLearner();
        if (parser.isSet(learnerOption)) {
            learner = learners.find(parser.value(learnerOption));
            if (!learner)
                return refuse(
                    QStringLiteral("没有名叫“%1”的学员。").arg(parser.value(learnerOption)));
        }
        const RecordsExport::Outcome done = RecordsExport::learner(
            data, Learners::filesOf(learner->id), parser.value(exportOption), keys);
        return report(done.ok, done.message);
    }

    const Learners::Outcome chosen = learners.startWith(parser.value(learnerOption));
    if (!chosen.ok)
        return refuse(chosen.message);
    if (start)
        start->learner = learners.currentLearner().name;
    return std::nullopt;
}
