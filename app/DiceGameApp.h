// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

namespace vorpin {

class MainFrame;
class ShutdownSignals;

// The application: makes the main window, gives it its icon, shows and paints it. A
// signal that ends the process, or a logout, saves the records as Exit does.
class DiceGameApp final : public QApplication {
    Q_OBJECT

public:
    DiceGameApp(int& argc, char** argv);
    ~DiceGameApp() override;

    // False when the main window could not be made; the stored records are then left as
    // they are.
    bool InitInstance();
    // For the start-up benchmark only: once the title screen has been painted for the
    // first time, prints when that was and quits. Call before InitInstance().
    void ExitAfterFirstPaint();
    MainFrame* Frame() const { return frame.get(); }

private:
#ifdef Q_OS_UNIX
    std::unique_ptr<ShutdownSignals> shutdownSignals;
#endif
    std::unique_ptr<MainFrame> frame;
};

}  // namespace vorpin
