// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstPaintProbe.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>

namespace vorpin {
namespace {

// Milliseconds since the process started, to the kernel's clock tick (10 ms as a rule);
// -1 where /proc/self/stat cannot be read (as on Windows).
double MillisecondsSinceStart() {
#ifdef _WIN32
    return -1;
#else
    std::ifstream file("/proc/self/stat");
    std::string stat;
    std::getline(file, stat);
    const auto nameEnd = stat.rfind(')');  // the name may hold spaces and brackets
    if (nameEnd == std::string::npos) {
        return -1;
    }
    std::size_t at = nameEnd + 2;  // field 3, the state
    for (int field = 3; field < 22 && at != std::string::npos; ++field) {
        at = stat.find(' ', at);
        at = at == std::string::npos ? at : at + 1;
    }
    timespec now{};
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (at == std::string::npos || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now)) {
        return -1;
    }
    const double started = std::stod(stat.substr(at)) / static_cast<double>(ticksPerSecond);
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9 - started) *
           1000;
#endif
}

// The wall clock in microseconds, for a driver that noted when it started the
// process, and the coarse time since the process started.
void Report() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("first-paint epoch-us=%lld since-start-ms=%.0f\n",
                static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                MillisecondsSinceStart());
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace

FirstPaintProbe::FirstPaintProbe(std::function<bool(QObject*)> watched, QObject* parent)
    : QObject(parent), watched(std::move(watched)) {}

bool FirstPaintProbe::eventFilter(QObject* target, QEvent* event) {
    if (event->type() == QEvent::Paint && watched(target)) {
        QCoreApplication::instance()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [] { Report(); }, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace vorpin
