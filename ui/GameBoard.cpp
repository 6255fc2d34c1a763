// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameBoard.h"

#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>
#include <initializer_list>

#include "Announcer.h"
#include "BoardButton.h"
#include "BoardFont.h"
#include "BoardLayout.h"
#include "Commands.h"
#include "DiceImages.h"
#include "HighScoreNameDialog.h"
#include "OptionsList.h"
#include "PlayNews.h"
#include "RowText.h"
#include "SettingsProfile.h"
#include "TallyList.h"
#include "TitleScreen.h"
#include "WindowPlacement.h"

namespace vorpin {
namespace {

// Sets what a screen reader hears of `widget`, telling it only of a change.
void Describe(QWidget& widget, const QString& name, const QString& description) {
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    }
    if (widget.accessibleDescription() != description) {
        widget.setAccessibleDescription(description);
    }
}

QColor FromColorRef(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

std::uint32_t ToColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace

GameBoard::GameBoard(QWidget* parent)
    : QWidget(parent),
      logo(QStringLiteral(":/images/logo.png")),
      logoHighDensity(QStringLiteral(":/images/logo@2x.png")),
      rollButton(new BoardButton(QStringLiteral("Roll"), QStringLiteral("Roll"), this)),
      endTurnButton(new BoardButton(QStringLiteral("End Turn"), QStringLiteral("End Turn"), this)),
      takeArrow(new ArrowButton(ArrowButton::Direction::Right, QStringLiteral("Take"), this)),
      takeBackArrow(
          new ArrowButton(ArrowButton::Direction::Left, QStringLiteral("Give back"), this)),
      optionsList(new OptionsList(this)),
      tallyList(new TallyList(this)),
      controller(BoardControls{*rollButton, *endTurnButton, *takeArrow, *takeBackArrow,
                               *optionsList, *tallyList},
                 *this, [] { return std::rand(); }),
      focusRoute(*this, FocusRoute::Stops{*optionsList, *takeArrow, *takeBackArrow, *tallyList,
                                          *rollButton, *endTurnButton}) {
    setFixedSize(layout::kWidth, layout::kHeight);
    setFont(BoardFont());
    logoHighDensity.setDevicePixelRatio(2);
    // The board erases its own background, so that a die redrawn alone is painted over
    // what it showed before.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    diceReadout = new QLabel(this);
    diceReadout->setGeometry(layout::kDiceRow);
    statusReadout = new QLabel(this);
    statusReadout->setGeometry(layout::kStatusBand);
    for (QLabel* readout : {diceReadout, statusReadout}) {
        readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    announcer = new Announcer(this);
    optionsList->SetModel(controller.Options());
    tallyList->SetModel(controller.Tally());
    DescribeControls();
    UpdateReadouts();
    ConnectControls();
    LoadStoredRecords(records);
}

GameBoard::~GameBoard() {
    if (saveWhenGone) {
        SaveRecords();
    }
}

// The controls start hidden and disabled; the first New Game shows them.
void GameBoard::ConnectControls() {
    const std::pair<QWidget*, QRect> placed[] = {
        {rollButton, layout::kRollButton},       {endTurnButton, layout::kEndTurnButton},
        {optionsList, layout::kOptionsList},     {takeArrow, layout::kTakeArrow},
        {takeBackArrow, layout::kTakeBackArrow}, {tallyList, layout::kTallyList}};
    for (const auto& [control, rect] : placed) {
        control->setGeometry(rect);
        control->hide();
    }
    for (BoardButton* button : {rollButton, endTurnButton, takeArrow, takeBackArrow}) {
        button->setEnabled(false);
    }
    // An arrow acts on the selected row of its list; enabled without one, it does nothing.
    takeArrow->SetActsWhen(
        [this] { return optionsList->RowSelectable(optionsList->SelectedRow()); });
    takeBackArrow->SetActsWhen(
        [this] { return tallyList->RowSelectable(tallyList->SelectedRow()); });
    connect(rollButton, &QPushButton::clicked, this, &GameBoard::OnRoll);
    connect(endTurnButton, &QPushButton::clicked, this, &GameBoard::OnEndTurn);
    connect(takeArrow, &QPushButton::clicked, this,
            [this] { Play(PlayerCommand::Take, [this] { controller.OnTakeOption(); }); });
    connect(takeBackArrow, &QPushButton::clicked, this,
            [this] { Play(PlayerCommand::GiveBack, [this] { controller.OnTakeBack(); }); });
    connect(optionsList, &BoardList::playerSelectionChanged, this,
            [this] { controller.OnOptionsSelChange(); });
    connect(optionsList, &BoardList::playerActivated, this,
            [this] { Play(PlayerCommand::Take, [this] { controller.OnOptionsDblClk(); }); });
    connect(tallyList, &BoardList::playerSelectionChanged, this,
            [this] { controller.OnTallySelChange(); });
    connect(tallyList, &BoardList::playerActivated, this,
            [this] { Play(PlayerCommand::GiveBack, [this] { controller.OnTallyDblClk(); }); });
    for (BoardList* list : std::initializer_list<BoardList*>{optionsList, tallyList}) {
        connect(list, &BoardList::rowSelectedInPlace, this, [this, list](int row) {
            announcer->Say(QStringLiteral("Selected %1.").arg(list->RowText(row)));
        });
    }
}

// The names and descriptions that do not change; the buttons' descriptions name their
// keys.
void GameBoard::DescribeControls() {
    setAccessibleName(QStringLiteral("Vorpin board"));
    const std::pair<QWidget*, const char*> described[] = {
        {endTurnButton, "Banks the turn total (Ctrl+E)"},
        {takeArrow, "Takes the selected option (Enter in the options list)"},
        {takeBackArrow, "Gives back the selected combination (Enter in the tally)"}};
    for (const auto& [control, description] : described) {
        control->setAccessibleDescription(QString::fromLatin1(description));
    }
}

// After a move that changed the game the focus goes where the next move is made, and then
// the move's news is told: told last, it is not cut short by what the focus change says.
template <typename Command>
void GameBoard::Play(PlayerCommand move, Command command) {
    diceRedrawn = false;
    newsTold = false;
    stateBefore = State();
    rowMoved = RowToMove(move);
    command();
    if (diceRedrawn) {
        UpdateReadouts();
        focusRoute.After(move);
        if (!newsTold) {
            announcer->Say(NewsOf(move, Facts()));
        }
    }
    Tell(move);
}

QString GameBoard::RowToMove(PlayerCommand move) const {
    const BoardList* list = nullptr;
    if (move == PlayerCommand::Take) {
        list = optionsList;
    } else if (move == PlayerCommand::GiveBack) {
        list = tallyList;
    }
    return list != nullptr && list->RowSelectable(list->SelectedRow())
               ? list->RowText(list->SelectedRow())
               : QString();
}

MoveFacts GameBoard::Facts() const {
    MoveFacts facts{stateBefore, State(), rowMoved, {}, controller.MinimumToBank()};
    for (int row = 0; row < optionsList->count() && !controller.NoPoints(); ++row) {
        facts.options << optionsList->RowText(row);
    }
    return facts;
}

PlayState GameBoard::State() const {
    return StateOf(controller, *rollButton, *endTurnButton);
}

void GameBoard::Tell(PlayerCommand command) {
    if (playObserver != nullptr) {
        playObserver->PlayerActed(command, State());
    }
}

void GameBoard::OnNewGame() {
    Play(PlayerCommand::NewGame, [this] { controller.OnNewGame(); });
}

void GameBoard::OnRoll() {
    Play(PlayerCommand::Roll, [this] { controller.OnRoll(); });
}

void GameBoard::OnEndTurn() {
    Play(PlayerCommand::EndTurn, [this] { controller.OnEndTurn(); });
}

// Tab and Shift+Tab from the board or any of its controls; the title screen ignores them.
bool GameBoard::focusNextPrevChild(bool next) {
    focusRoute.Step(next);
    return true;
}

bool GameBoard::OnCmdMsg(int command) {
    switch (command) {
        case CmdNewGame:
            OnNewGame();
            return true;
        case CmdHighScore:
            ShowHighScores();
            return true;
        case CmdClearHighScore:
            ClearHighScores();
            return true;
        case CmdDiceColor:
            OnDiceColor();
            return true;
        case CmdRoll:
            OnRoll();
            return true;
        case CmdEndTurn:
            OnEndTurn();
            return true;
        default:
            return false;
    }
}

void GameBoard::ShowHighScores() {
    ShowHighScoreMessage(this, records.highScores.Text());
}

void GameBoard::OnDiceColor() {
    QColorDialog dialog(FromColorRef(records.diceColor), window());
    KeepOnScreen(dialog, *this);
    dialog.exec();
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) {
        return;
    }
    records.diceColor = ToColorRef(chosen);
    imagesReady = false;
    ComposeDiceImages();
    if (GameScreenShows()) {
        RedrawDice();
    }
}

// Composes the large dice in the dice colour, at both densities.
void GameBoard::ComposeDiceImages() {
    const QColor colour = FromColorRef(records.diceColor);
    dice.ComposeDiceImages(colour);
    diceHighDensity.ComposeDiceImages(colour);
    imagesReady = true;
}

bool GameBoard::GameScreenShows() const {
    return !optionsList->isHidden();
}

void GameBoard::paintEvent(QPaintEvent* event) {
    if (!imagesReady) {
        ComposeDiceImages();
    }
    QPainter painter(this);
    if (eraseOnPaint) {
        painter.fillRect(event->rect(), palette().color(QPalette::Button));
    }
    if (GameScreenShows()) {
        DrawDice(painter);
        DrawStatus(painter);
    } else {
        DrawTitleScreen(painter, rect(), HighDensity() ? logoHighDensity : logo);
    }
}

// A click on the board itself, outside its controls, does nothing.
void GameBoard::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

// The labels show nothing; they give screen readers the dice and the status as text. The
// options list carries the dice too, so that a roll is heard where the focus lands.
void GameBoard::UpdateReadouts() {
    const QString dice = controller.HasGame() ? DescribeDice(controller.Dice()) : QString();
    const QString sentence = StatusSentence();
    Describe(*diceReadout, dice, QString());
    Describe(
        *statusReadout,
        controller.Turn() == 0
            ? QString()
            : QStringLiteral("Turn %1, Score %2").arg(controller.Turn()).arg(controller.Score()),
        sentence);
    Describe(*optionsList, optionsList->accessibleName(), dice);
    Describe(*tallyList, tallyList->accessibleName(),
             controller.HasGame() ? QStringLiteral("Turn total %1").arg(controller.Tally().Total())
                                  : QString());
    Describe(*this, accessibleName(), controller.Turn() == 0 ? SpokenTitleScreen() : sentence);
    // Roll tells the status too: a bank is heard even when Roll has the focus already.
    Describe(*rollButton, rollButton->accessibleName(),
             QStringLiteral("Rolls the dice in play (Ctrl+R)") +
                 (sentence.isEmpty() ? QString() : QStringLiteral(". ") + sentence));
}

// Turn, score and turn total; at the end, the result of the game.
QString GameBoard::StatusSentence() const {
    if (controller.Turn() == 0) {
        return {};
    }
    if (controller.Score() >= TurnController::kWinningScore) {
        return QStringLiteral("Game over: %1 points in %2 turns. F2 starts a new game")
            .arg(controller.Score())
            .arg(controller.Turn());
    }
    return QStringLiteral("Turn %1, score %2, turn total %3")
        .arg(controller.Turn())
        .arg(controller.Score())
        .arg(controller.Tally().Total());
}

// Paints the dice over what their cells show, without erasing first.
void GameBoard::RedrawDice() {
    diceRedrawn = true;
    UpdateReadouts();
    eraseOnPaint = false;
    repaint(layout::kDiceRow);
    eraseOnPaint = true;
}

void GameBoard::RedrawStatus() {
    UpdateReadouts();
    repaint(layout::kStatusBand);
}

void GameBoard::RepaintBoard() {
    repaint();
}

// The end of the game is told before the name dialog asks for a name.
bool GameBoard::OfferHighScore(int score, int turns) {
    announcer->Say(GameOverNews(Facts()));
    newsTold = true;
    DialogNameAsker asker(window());
    return records.OfferHighScore(score, turns, asker);
}

// "Turn %d" and "Score %d" on one line, vertically centred in the band; nothing but the
// band before the first game.
void GameBoard::DrawStatus(QPainter& painter) const {
    const QRect band = layout::kStatusBand;
    painter.fillRect(band, palette().color(QPalette::Button));
    const int turn = controller.Turn();
    if (turn == 0) {
        return;
    }
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int height = painter.fontMetrics().height();
    const int top = band.top() + (band.height() - height) / 2;
    painter.drawText(layout::kTurnTextLeft, top + painter.fontMetrics().ascent(),
                     QStringLiteral("Turn %1").arg(turn));
    painter.drawText(layout::kScoreTextLeft, top + painter.fontMetrics().ascent(),
                     QStringLiteral("Score %1").arg(controller.Score()));
}

// A die in play shows its face in the dice colour, keyed onto what the cell showed; a
// die set aside or fresh shows as an empty cell.
void GameBoard::DrawDice(QPainter& painter) const {
    const DiceImages& images = HighDensity() ? diceHighDensity : dice;
    for (int slot = 0; slot < kDiceCount; ++slot) {
        const int value = controller.Dice()[static_cast<std::size_t>(slot)];
        const QRect cell = layout::DieCell(slot);
        if (value >= 1 && value <= 6) {
            images.Composed(value).DrawTransparent(painter, cell.left(), cell.top(),
                                                   DiceImages::kGreenKey);
        } else {
            painter.fillRect(cell, palette().color(QPalette::Button));
        }
    }
}

}  // namespace vorpin
