// The floor for the start-up benchmark: the least a Qt widgets program of the game's
// kind does before its window shows, an empty 510x450 main window with a menu bar. With
// VORPIN_EXIT_AFTER_FIRST_PAINT=1 it reports its first paint and quits, as the game does.
#include <unistd.h>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>

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

// Waits for the window's first paint event, then lets the paint and its flush finish
// before it reports and quits: the same line as the game prints.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QWidget& window) : QObject(&window), window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == &window) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [] { Report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void Report() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("first-paint epoch-us=%lld since-start-ms=%.0f\n",
                    static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                    MillisecondsSinceStart());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& window;
};

}  // namespace

int main(int argc, char** argv) {
    const char* exitAfterFirstPaint = std::getenv("VORPIN_EXIT_AFTER_FIRST_PAINT");
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QWidget);
    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("&Game"))
        ->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    bar->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Nothing"));
    bar->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("&Nothing"));
    window.setFixedSize(510, 450);
    if (exitAfterFirstPaint != nullptr && std::string_view(exitAfterFirstPaint) == "1") {
        app.installEventFilter(new FirstPaintProbe(window));
    }
    window.show();
    return app.exec();
}
