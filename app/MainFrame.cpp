// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrame.h"

#include <QFrame>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <ctime>

#include "CoachDesk.h"
#include "Commands.h"
#include "FrameHints.h"
#include "GameBoard.h"

namespace vorpin {
namespace {

// The board sits in a two-pixel sunken edge that fills the client area.
QFrame* SunkenEdge(GameBoard* board) {
    auto* edge = new QFrame;
    edge->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    edge->setLineWidth(2);
    auto* layout = new QVBoxLayout(edge);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(board);
    return edge;
}

}  // namespace

MainFrame::MainFrame()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      board(new GameBoard),
      desk(std::make_unique<CoachDesk>(*this, *board)) {
    setWindowTitle(QStringLiteral("Tarnwick VORPIN Dice Game"));
    setCentralWidget(SunkenEdge(board));
    CreateMenus();
    CreateKeys();
    // Two readings of the clock, summed, seed the dice once for the whole run.
    std::srand(static_cast<unsigned>(std::time(nullptr) + std::time(nullptr)));
    // Sized before it is placed: the window manager then puts the frame's corner, not the
    // client area's, where the window is moved to.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    move(kLeft, kTop);
    board->setFocus();
    QTimer::singleShot(0, desk.get(), &CoachDesk::RestoreCoach);
}

MainFrame::~MainFrame() = default;

bool MainFrame::OnCmdMsg(int command) {
    if (board->OnCmdMsg(command)) {
        return true;
    }
    if (command == CmdExit) {
        OnExit();
        return true;
    }
    return false;
}

QAction* MainFrame::CommandAction(const QString& text, int command) {
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, [this, command] { OnCmdMsg(command); });
    return action;
}

namespace {

// A menu item with a key carries the key in its text after a tab, where the menu shows a
// key in any case: screen readers read an item's text, but not the key as Qt offers it.
void ShowKeysToScreenReaders(const QMenuBar& bar) {
    for (const QAction* menu : bar.actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (!item->shortcut().isEmpty() && !item->text().contains(u'\t')) {
                item->setText(item->text() + u'\t' +
                              item->shortcut().toString(QKeySequence::NativeText));
            }
        }
    }
}

}  // namespace

void MainFrame::CreateMenus() {
    QMenu* game = menuBar()->addMenu(QStringLiteral("&Game"));
    QAction* newGame = CommandAction(QStringLiteral("New Game"), CmdNewGame);
    newGame->setShortcut(Qt::Key_F2);
    game->addAction(newGame);
    addAction(newGame);  // F2 works whatever has the focus
    game->addSeparator();
    game->addAction(CommandAction(QStringLiteral("E&xit"), CmdExit));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(CommandAction(QStringLiteral("&High Score..."), CmdHighScore));
    view->addAction(CommandAction(QStringLiteral("&Clear High Score"), CmdClearHighScore));
    view->addAction(CommandAction(QStringLiteral("&Dice Color"), CmdDiceColor));
    desk->AddViewItems(*view);

    // Nothing handles "How to play...", so it is always grey.
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    QAction* howToPlay = help->addAction(QStringLiteral("How to play..."));
    howToPlay->setEnabled(false);
    ShowKeysToScreenReaders(*menuBar());
}

// Ctrl+R and Ctrl+E send the commands of the Roll and End Turn buttons, which refuse
// to act while their button is disabled.
void MainFrame::CreateKeys() {
    QAction* roll = CommandAction(QStringLiteral("Roll"), CmdRoll);
    roll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* endTurn = CommandAction(QStringLiteral("End Turn"), CmdEndTurn);
    endTurn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // F10 opens the menu bar's first menu on its first item, as desktop users expect.
    auto* menus = new QAction(QStringLiteral("Menu bar"), this);
    menus->setShortcut(Qt::Key_F10);
    connect(menus, &QAction::triggered, this, [this] {
        QMenu* first = menuBar()->actions().front()->menu();
        menuBar()->setActiveAction(first->menuAction());
        first->setActiveAction(first->actions().front());
    });
    addActions({roll, endTurn, menus});
}

// Runs before the window is mapped, so the window manager takes the hints from the start.
void MainFrame::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        AdvertiseFixedSize(*this);
    }
    QMainWindow::showEvent(event);
}

// Closes after the current command has finished, through the normal close path.
void MainFrame::OnExit() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace vorpin
