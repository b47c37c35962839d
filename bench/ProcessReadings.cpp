#include "ProcessReadings.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#ifdef Q_OS_WIN
#include <windows.h>

#include <psapi.h> // after windows.h, which it needs
#else
#include <sys/resource.h>
#include <unistd.h>

#include <ctime>
#endif

namespace ProcessReadings {

#ifdef Q_OS_WIN

namespace {

// A FILETIME counts 100 ns steps.
double seconds(const FILETIME& time) {
    return double((quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
}

} // namespace

double cpuSeconds() {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        return 0;
    return seconds(kernel) + seconds(user);
}

double sinceStartMs() {
    FILETIME created, ended, kernel, user, now;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
        return -1;
    GetSystemTimePreciseAsFileTime(&now);
    return 1000.0 * (seconds(now) - seconds(created));
}

long residentKiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return -1;
    return long(counters.WorkingSetSize / 1024);
}

#else

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// From the kernel's record of the process start, in clock ticks since boot.
double sinceStartMs() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowSeconds = double(now.tv_sec) + double(now.tv_nsec) / 1e9;
    return 1000.0 * (nowSeconds - startTicks / double(sysconf(_SC_CLK_TCK)));
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

#endif

} // namespace ProcessReadings
