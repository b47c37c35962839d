#pragma once

#include <QObject>

#include <memory>

// The test classes of one test program register themselves here; the program's main()
// (TestMain.cpp) runs all of them, or the one named by its first argument, so CTest can still
// run each class as a test of its own, in a process of its own.
namespace TestRegistry {

// The application a class needs, as QTEST_MAIN and QTEST_GUILESS_MAIN would make it.
enum class Application { Core, Gui, Widgets };

using Factory = std::unique_ptr<QObject> (*)();
// Another way into the test program, for a test that starts it again as a child process
// with `option` as the first argument.
using ChildMain = int (*)(int argc, char** argv);

bool addClass(const char* name, Application application, Factory make);
bool addChildMain(const char* option, ChildMain main);

// Whether this program was built with Qt Gui and Qt Widgets.
constexpr Application widest() {
#if defined(QT_WIDGETS_LIB)
    return Application::Widgets;
#elif defined(QT_GUI_LIB)
    return Application::Gui;
#else
    return Application::Core;
#endif
}

} // namespace TestRegistry

#define KEYVORA_TEST_REGISTER(Name, Class, App)                                                    \
    [[maybe_unused]] static const bool keyvoraTestRegistered = TestRegistry::addClass(             \
        #Name, App, []() -> std::unique_ptr<QObject> { return std::make_unique<Class>(); });

// Stand in for QTEST_MAIN and QTEST_GUILESS_MAIN: one class per file, named after the file.
#define KEYVORA_TEST_MAIN(Name, Class) KEYVORA_TEST_REGISTER(Name, Class, TestRegistry::widest())
#define KEYVORA_TEST_GUILESS_MAIN(Name, Class)                                                     \
    KEYVORA_TEST_REGISTER(Name, Class, TestRegistry::Application::Core)
