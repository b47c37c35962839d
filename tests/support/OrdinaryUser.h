#pragma once

#include <QtGlobal>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// Root passes every permission check, so as root a body that needs permissions to mean what
// they mean for an ordinary user runs in a child process that has become the unprivileged user
// "nobody"; it must make its own files and folders there. Gives 0 when the body succeeded, 1
// when it failed (its QTest failures are in the log), cannotDropPrivileges when root cannot
// become an ordinary user here.
namespace OrdinaryUser {

constexpr int cannotDropPrivileges = 77;

template <typename Body> int run(Body body) {
#ifdef Q_OS_UNIX
    if (geteuid() != 0)
        return body() ? 0 : 1;
    const pid_t pid = fork();
    if (pid == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0 ||
            geteuid() == 0)
            _exit(cannotDropPrivileges);
        const bool passed = body();
        std::fflush(nullptr); // _exit would drop the child's buffered test log
        _exit(passed ? 0 : 1);
    }
    int status = 0;
    const bool exited = pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status);
    return exited ? WEXITSTATUS(status) : -1;
#else
    return body() ? 0 : 1;
#endif
}

} // namespace OrdinaryUser
