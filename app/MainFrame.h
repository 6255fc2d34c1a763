// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

namespace vorpin {

class CoachDesk;
class GameBoard;

// The game's one window: fixed size, a menu bar, three command keys, and the board
// filling the rest. Every command goes to the board first; Exit is the frame's own.
class MainFrame final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 50;

    MainFrame();
    ~MainFrame() override;

    // Routes a command: the board's handler if it has one, else the frame's.
    bool OnCmdMsg(int command);
    GameBoard& Board() const { return *board; }
    CoachDesk& Desk() const { return *desk; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateMenus();
    void CreateKeys();
    QAction* CommandAction(const QString& text, int command);
    void OnExit();

    GameBoard* board;
    std::unique_ptr<CoachDesk> desk;
};

}  // namespace vorpin
