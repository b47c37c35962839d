#include "TestRegistry.h"

#include <QTest>
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct TestClass {
    const char* name;
    TestRegistry::Application application;
    TestRegistry::Factory make;
};

struct ChildEntry {
    const char* option;
    TestRegistry::ChildMain main;
};

// Function-local, so registration from other files' static initialisers finds them built.
std::vector<TestClass>& classes() {
    static std::vector<TestClass> list;
    return list;
}

std::vector<ChildEntry>& childEntries() {
    static std::vector<ChildEntry> list;
    return list;
}

// The application QTEST_MAIN or QTEST_GUILESS_MAIN would have made, with the same settings.
std::unique_ptr<QCoreApplication> makeApplication(TestRegistry::Application kind, int& argc,
                                                  char** argv) {
    std::unique_ptr<QCoreApplication> app;
    switch (kind) {
#if defined(QT_WIDGETS_LIB)
    case TestRegistry::Application::Widgets:
        app = std::make_unique<QApplication>(argc, argv);
        break;
#endif
#if defined(QT_GUI_LIB)
    case TestRegistry::Application::Gui:
        app = std::make_unique<QGuiApplication>(argc, argv);
        break;
#endif
    default:
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    return app;
}

} // namespace

bool TestRegistry::addClass(const char* name, Application application, Factory make) {
    classes().push_back({name, application, make});
    return true;
}

bool TestRegistry::addChildMain(const char* option, ChildMain main) {
    childEntries().push_back({option, main});
    return true;
}

// Usage: <program> [class] [QtTest options]. Without a class every registered class runs, one
// after the other, in one application of the widest kind any of them needs.
int main(int argc, char** argv) {
    if (argc > 1) {
        for (const ChildEntry& entry : childEntries()) {
            if (std::strcmp(argv[1], entry.option) == 0) {
                return entry.main(argc, argv);
            }
        }
    }

    std::vector<TestClass> selected;
    std::vector<char*> qtestArguments{argv, argv + argc};
    if (argc > 1 && argv[1][0] != '-') {
        const auto found =
            std::find_if(classes().begin(), classes().end(),
                         [&](const TestClass& c) { return std::strcmp(c.name, argv[1]) == 0; });
        if (found == classes().end()) {
            std::fprintf(stderr, "No test class %s. The classes are:\n", argv[1]);
            for (const TestClass& c : classes())
                std::fprintf(stderr, "  %s\n", c.name);
            return 2;
        }
        selected.push_back(*found);
        qtestArguments.erase(qtestArguments.begin() + 1);
    } else {
        selected = classes();
    }

    TestRegistry::Application kind = TestRegistry::Application::Core;
    for (const TestClass& c : selected)
        kind = std::max(kind, c.application);
    int appArgc = argc;
    const auto app = makeApplication(kind, appArgc, argv);

    int failures = 0;
    for (const TestClass& c : selected) {
        const std::unique_ptr<QObject> test = c.make();
        failures += QTest::qExec(test.get(), int(qtestArguments.size()), qtestArguments.data());
    }
    return std::min(failures, 127);
}
