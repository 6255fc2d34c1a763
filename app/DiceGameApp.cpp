// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiceGameApp.h"

#include <QFontDatabase>
#include <QIcon>
#include <cstdio>

#include "FirstPaintProbe.h"
#include "GameBoard.h"
#include "MainFrame.h"
#include "SettingsProfile.h"
#ifdef Q_OS_UNIX
#include "ShutdownSignals.h"
#endif

namespace vorpin {
namespace {

// On Windows the game brings the board's font with it and draws its controls in the
// classic Windows look; elsewhere the system's own DejaVu Sans and style serve.
void UseOwnLook() {
#ifdef Q_OS_WIN
    if (QFontDatabase::addApplicationFont(QStringLiteral(VORPIN_BOARD_FONT)) < 0) {
        std::fprintf(stderr, "Vorpin: the board's font could not be loaded\n");
    }
    QApplication::setStyle(QStringLiteral("Windows"));
#endif
}

}  // namespace

DiceGameApp::DiceGameApp(int& argc, char** argv) : QApplication(argc, argv) {}

// The frame goes before the application object: its board saves the records then, while
// the signals that end the game still lead nowhere but to the event loop.
DiceGameApp::~DiceGameApp() {
    frame.reset();
}

bool DiceGameApp::InitInstance() {
    setOrganizationName(SettingsProfile::kMaker);  // the maker's key for the settings
    UseOwnLook();
    frame = std::make_unique<MainFrame>();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
    frame->setWindowIcon(icon);
    frame->show();
    frame->repaint();
    if (frame->winId() == 0 || !frame->isVisible()) {
        frame->Board().KeepStoredRecords();  // a start that failed changed nothing to keep
        frame.reset();
        return false;
    }
    // A logout may end the process without another word: the records are stored now, and
    // again when the game closes.
    connect(this, &QGuiApplication::commitDataRequest, frame.get(),
            [this] { frame->Board().SaveRecords(); });
#ifdef Q_OS_UNIX
    // Every event loop ends, a modal window's too; the frame then goes and saves as after Exit.
    shutdownSignals = std::make_unique<ShutdownSignals>([] { QCoreApplication::exit(0); });
#endif
    return true;
}

void DiceGameApp::ExitAfterFirstPaint() {
    installEventFilter(new FirstPaintProbe(
        [](QObject* target) { return qobject_cast<GameBoard*>(target) != nullptr; }, this));
}

}  // namespace vorpin
