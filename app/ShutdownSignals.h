// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vorpin {

// Turns SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, a closed terminal, a session or
// system going down) into a call of `stop` from the event loop, where the game can close
// as it does for Exit. The handler only writes a byte to a socket that the loop watches.
// One at a time; once it is gone, these signals are ignored, so that one arriving as the
// process ends cannot cut short what the close is doing.
class ShutdownSignals final : public QObject {
public:
    ShutdownSignals(std::function<void()> stop, QObject* parent = nullptr);
    ~ShutdownSignals() override;

    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    void Drain();

    std::function<void()> stop;
    int readEnd = -1;
    QSocketNotifier* notifier = nullptr;
};

}  // namespace vorpin
