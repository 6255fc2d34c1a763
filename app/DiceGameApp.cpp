// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiceGameApp.h"

#include <QIcon>

#include "FirstPaintProbe.h"
#include "GameBoard.h"
#include "MainFrame.h"
#include "SettingsProfile.h"

namespace vorpin {

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
    installEventFilter(new FirstPaintProbe(
        [](QObject* target) { return qobject_cast<GameBoard*>(target) != nullptr; }, this));
}

}  // namespace vorpin
