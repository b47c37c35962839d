#include "app/CommandLine.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Keyvora 打字练习：盲打与五笔字根口诀。\n"
                       "Touch-typing trainer with Wubi root mnemonics."));
    parser.addHelpOption();
    parser.addVersionOption();
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

void CommandLine::nameApplication() {
    // The name also names the user's own data folder (~/.local/share/keyvora on Linux).
    QCoreApplication::setApplicationName(QStringLiteral("keyvora"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(Version::major).arg(Version::minor).arg(Version::revision));
}

void CommandLine::answer(int argc, char** argv) {
    // A core application of its own, on copies, so the real one later sees the untouched line.
    std::vector<char*> copy(argv, argv + argc);
    int count = argc;
    QCoreApplication app(count, copy.data());
    nameApplication();
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    // The parser answers these itself: it prints on the terminal and ends the process.
    for (const char* name : {"help", "help-all", "version"})
        if (parser.isSet(QLatin1String(name)))
            parser.process(app);
}

std::optional<int> CommandLine::refuseLeftovers(const QStringList& arguments) {
    if (arguments.size() <= 1)
        return std::nullopt;
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    const QString error = !parsed ? parser.errorText()
                                  : QStringLiteral("Unexpected argument '%1'.")
                                        .arg(parser.positionalArguments().value(0));
    print(stderr,
          QStringLiteral("keyvora: %1\nTry 'keyvora --help' for more information.\n").arg(error));
    return 1;
}
