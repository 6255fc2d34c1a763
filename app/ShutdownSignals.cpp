// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShutdownSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <utility>

namespace vorpin {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The one value a signal handler can reach: the end of the socket it writes to. Set
// while a ShutdownSignals lives, -1 otherwise.
int writeEnd = -1;

extern "C" void OnShutdownSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(writeEnd, &byte, 1);
    errno = savedErrno;
}

// Gives the signals `handler`, except those the game was started ignoring (as nohup
// starts it ignoring SIGHUP): they stay ignored.
void Handle(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigfillset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        struct sigaction before = {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> stop, QObject* parent)
    : QObject(parent), stop(std::move(stop)) {
    int ends[2];
    if (writeEnd != -1) {
        return;  // another one watches them already
    }
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) {
        std::perror("Vorpin: a signal will end the game without saving");
        return;
    }
    readEnd = ends[0];
    writeEnd = ends[1];
    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ShutdownSignals::Drain);
    Handle(OnShutdownSignal);
}

ShutdownSignals::~ShutdownSignals() {
    if (readEnd == -1) {
        return;
    }
    Handle(SIG_IGN);
    delete notifier;
    close(writeEnd);
    close(readEnd);
    writeEnd = -1;
}

// Every signal that came in since the last call leads to one call of `stop`.
void ShutdownSignals::Drain() {
    char bytes[16];
    while (read(readEnd, bytes, sizeof bytes) > 0) {
    }
    stop();
}

}  // namespace vorpin
