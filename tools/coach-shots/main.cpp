// SPDX-License-Identifier: GPL-3.0-or-later
// vorpin-coach-shots: pictures of the Coach beside the board, of Statistics, Habits and
// Practice, for the README. Plays games through the real board and windows, in a scratch
// profile, on the offscreen platform or the one QT_QPA_PLATFORM names (xcb on a virtual X
// display): a player who follows the Coach's best move but now and then picks another.
// Writes coach.png, statistics.png, habits.png and practice.png into the folder given.
// usage: vorpin-coach-shots <folder>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "CoachDesk.h"
#include "CoachWindow.h"
#include "GameBoard.h"
#include "HabitsWindow.h"
#include "MainFrame.h"
#include "PracticeWindow.h"
#include "StatisticsWindow.h"

namespace {

using namespace vorpin;

class Player {
public:
    explicit Player(MainFrame& frame) : frame(frame), board(frame.Board()) {}

    // Ends the roll as the Coach advises, or one time in six another way.
    void Move() {
        const auto alternatives = frame.Desk().Coach().AlternativesNow();
        if (alternatives.empty()) {
            board.OnRoll();
            return;
        }
        const bool err = alternatives.size() > 1 && engine() % 6 == 0;
        const auto& chosen = alternatives[err ? 1 + engine() % (alternatives.size() - 1) : 0];
        for (int row : chosen.rows) {
            Take(row);
        }
        chosen.bank ? board.OnEndTurn() : board.OnRoll();
    }

    void Take(int row) {
        for (auto* list : board.findChildren<QListWidget*>()) {
            if (list->accessibleName() == QLatin1String("Scoring options")) {
                list->setCurrentRow(row);
                QMetaObject::invokeMethod(list, "playerActivated");
            }
        }
    }

    void PlayGame() {
        board.OnNewGame();
        while (board.Controller().Score() < 5000) {
            Move();
        }
    }

private:
    MainFrame& frame;
    GameBoard& board;
    std::mt19937 engine{2026};
};

QImage Grab(QWidget& window) {
    return window.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorpin-coach-shots <folder>\n");
        return 2;
    }
    const QTemporaryDir scratch;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // unless a display is asked for
    }
    qputenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationName(QStringLiteral("Vorpin"));
    const QString folder = QString::fromLocal8Bit(argv[1]);

    MainFrame frame;
    frame.show();
    QTimer answer;  // the high-score name and table at the end of each game
    answer.callOnTimeout([] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    answer.start(1);
    std::srand(5);
    Player player(frame);
    for (int game = 0; game < 60; ++game) {
        player.PlayGame();
    }

    // A game in its fourth turn, after a roll, with the Coach open.
    frame.Desk().ShowCoach(true);
    frame.Board().OnNewGame();
    while (frame.Board().Controller().Turn() < 4 ||
           frame.Desk().Coach().AlternativesNow().size() < 4 ||
           frame.Board().Controller().Tally().Total() == 0) {
        player.Move();
    }
    CoachWindow& coach = *frame.Desk().CoachView();
    coach.resize(520, 620);
    const QImage board = Grab(frame);
    const QImage advice = Grab(coach);
    QImage both(board.width() + 12 + advice.width(), std::max(board.height(), advice.height()),
                QImage::Format_RGB32);
    both.fill(frame.palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawImage(0, 0, board);
    painter.drawImage(board.width() + 12, 0, advice);
    painter.end();

    frame.Desk().ShowStatistics();
    StatisticsWindow& statistics = *frame.Desk().StatisticsView();
    statistics.resize(1000, 720);
    frame.Desk().ShowHabits();
    HabitsWindow& habits = *frame.Desk().HabitsView();
    habits.resize(1000, 620);
    frame.Desk().ShowPractice();
    PracticeWindow& practice = *frame.Desk().PracticeView();
    practice.resize(560, 600);
    while (practice.Choices().size() < 4) {
        practice.Next();
    }
    practice.Pick(strategy::Judge(practice.Choices(), 0).best == 0 ? 2 : 0);  // a costly pick
    const bool saved = both.save(folder + QStringLiteral("/coach.png")) &&
                       Grab(statistics).save(folder + QStringLiteral("/statistics.png")) &&
                       Grab(habits).save(folder + QStringLiteral("/habits.png")) &&
                       Grab(practice).save(folder + QStringLiteral("/practice.png"));
    if (!saved) {
        std::fprintf(stderr, "vorpin-coach-shots: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
