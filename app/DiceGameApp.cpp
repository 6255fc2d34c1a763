#include "DiceGameApp.h"

#include <unistd.h>
#include <QEvent>
#include <QIcon>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "GameBoard.h"
#include "MainFrame.h"
#include "SettingsProfile.h"

namespace vorpin {
namespace {

// Milliseconds since the process started, to the kernel's clock tick (10 ms as a rule);
// -1 where /proc/self/stat cannot be read.
double MillisecondsSinceStart() {
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
}

// Waits for the board's first paint event, then lets the paint and its flush to the
// screen finish before it reports and quits.
class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<GameBoard*>(watched) != nullptr) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [] { Report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    // The wall clock in microseconds, for a driver that noted when it started the
    // process, and the coarse time since the process started.
    static void Report() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("first-paint epoch-us=%lld since-start-ms=%.0f\n",
                    static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                    MillisecondsSinceStart());
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

}  // namespace

DiceGameApp::DiceGameApp(int& argc, char** argv) : QApplication(argc, argv) {}

// The frame goes before the application object: its board saves the records then.
DiceGameApp::~DiceGameApp() {
    frame.reset();
}

bool DiceGameApp::InitInstance() {
    setOrganizationName(SettingsProfile::kMaker);  // the maker's key for the settings
    frame = std::make_unique<MainFrame>();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
    frame->setWindowIcon(icon);
    frame->show();
    frame->repaint();
    return frame->winId() != 0 && frame->isVisible();
}

void DiceGameApp::ExitAfterFirstPaint() {
    installEventFilter(new FirstPaintProbe(this));
}

}  // namespace vorpin
