// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiceGameApp.h"

#include <QFontDatabase>
#include <QIcon>
#include <cstdio>

#include "FirstPaintProbe.h"
#include "GameBoard.h"
#include "MainFrame.h"
#include "SettingsProfile.h"

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

// The frame goes before the application object: its board saves the records then.
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
    return frame->winId() != 0 && frame->isVisible();
}

void DiceGameApp::ExitAfterFirstPaint() {
    installEventFilter(new FirstPaintProbe(
        [](QObject* target) { return qobject_cast<GameBoard*>(target) != nullptr; }, this));
}

}  // namespace vorpin
