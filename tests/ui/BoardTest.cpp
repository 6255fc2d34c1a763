// SPDX-License-Identifier: GPL-3.0-or-later
// The board on its own: where its controls stand, and what it paints before and after the
// first game, read back from its pixels.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "BoardFont.h"
#include "BoardProbe.h"

namespace vorpin {
namespace {

using Ink = std::function<bool(QColor)>;
const Ink kBlue = [](QColor c) { return c.red() < 128 && c.green() < 128 && c.blue() > 200; };
const Ink kRed = [](QColor c) { return c.red() > 200 && c.green() < 128 && c.blue() < 128; };
const Ink kDark = [](QColor c) { return c.red() < 128 && c.green() < 128 && c.blue() < 128; };

// The smallest rectangle holding the pixels of `area`, outside `except`, that `ink`
// accepts; empty when there are none.
QRect Scan(const QImage& image, const QRect& area, const Ink& ink, const QRegion& except = {}) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!except.contains(QPoint(x, y)) && ink(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// Where the pixels of `area`, outside `except`, that are not `colour` lie.
QRect Stray(const QImage& image, const QRect& area, QColor colour, const QRegion& except = {}) {
    return Scan(
        image, area, [&](QColor c) { return c != colour; }, except);
}

const QRect kBand(1, 353, 498, 48);

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        board->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(board.get()));
    }

    QImage Grab() const { return board->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QColor Face() const { return board->palette().color(QPalette::Button); }

    ScratchHome home;
    std::unique_ptr<GameBoard> board = std::make_unique<GameBoard>();
};

TEST_F(BoardTest, ControlsStandInPlaceHiddenAndDisabledUntilTheFirstGame) {
    const struct {
        const char* name;
        QRect place;
        bool enabledInGame;  // of the buttons; the lists follow their rows
    } controls[] = {
        {"Roll", {298, 16, 80, 32}, true},
        {"End Turn", {392, 16, 80, 32}, false},
        {"Take", {216, 115, 30, 20}, false},
        {"Give back", {216, 143, 30, 20}, false},
        {"Scoring options", {8, 55, 200, 297}, false},
        {"Kept this turn", {254, 55, 200, 297}, false},
    };
    for (const bool inGame : {false, true}) {
        if (inGame) {
            board->OnNewGame();
        }
        for (const auto& c : controls) {
            SCOPED_TRACE(std::string(c.name) + (inGame ? " in game" : " before"));
            const QWidget* control = Control(*board, c.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->geometry(), c.place);
            EXPECT_EQ(control->isVisible(), inGame);
            if (qobject_cast<const QPushButton*>(control) != nullptr) {
                EXPECT_EQ(control->isEnabled(), inGame && c.enabledInGame);
            }
        }
    }
}

// Each list: a black line, then the sunken edge (shadow over highlight, dark shadow over
// button face); the top-right and bottom-left corners of a ring take the lower colour.
// The rows start 3 pixels in.
TEST_F(BoardTest, ListsHaveABorderAndASunkenEdge) {
    board->OnNewGame();
    const QImage screen = Grab();
    const QPalette colours = board->palette();
    const QColor rings[][2] = {
        {Qt::black, Qt::black},
        {colours.color(QPalette::Dark), colours.color(QPalette::Light)},
        {colours.color(QPalette::Shadow), colours.color(QPalette::Button)},
    };
    for (const char* name : {"Scoring options", "Kept this turn"}) {
        const auto* list = Control<QListWidget>(*board, name);
        ASSERT_NE(list, nullptr);
        const QRect outer = list->geometry();
        EXPECT_EQ(list->viewport()->geometry(), QRect(3, 3, 194, 291)) << name;
        for (int inset = 0; inset < 3; ++inset) {
            SCOPED_TRACE(std::string(name) + " ring " + std::to_string(inset));
            const QRect ring = outer.adjusted(inset, inset, -inset, -inset);
            const QColor& upper = rings[inset][0];
            const QColor& lower = rings[inset][1];
            const std::pair<QPoint, QColor> samples[] = {
                {ring.topLeft(), upper},
                {{ring.center().x(), ring.top()}, upper},
                {{ring.left(), ring.center().y()}, upper},
                {ring.topRight(), lower},
                {ring.bottomLeft(), lower},
                {{ring.right(), ring.center().y()}, lower},
                {{ring.center().x(), ring.bottom()}, lower},
                {ring.bottomRight(), lower},
            };
            for (const auto& [at, colour] : samples) {
                EXPECT_EQ(screen.pixel(at), colour.rgb()) << at.x() << ',' << at.y();
            }
        }
        EXPECT_EQ(screen.pixelColor(outer.topLeft() + QPoint(3, 3)), Qt::white);
    }
}

TEST_F(BoardTest, TitleScreenShowsTheLogoAndCentredLines) {
    const QImage screen = Grab();
    EXPECT_EQ(screen.pixelColor(5, 5), Qt::white);
    EXPECT_EQ(screen.pixelColor(495, 340), Qt::white);

    QImage logo(QStringLiteral(":/images/logo.png"));
    ASSERT_FALSE(logo.isNull());
    QImage onWhite(logo.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, logo);
    EXPECT_EQ(screen.copy(QRect(QPoint(105, 25), logo.size())), onWhite);

    const int h = QFontMetrics(BoardFont()).height();
    const struct {
        int line;  // the top is 100 + line * h
        Ink ink;   // none: a blank line
    } lines[] = {{0, kBlue}, {1, {}}, {2, kDark}, {3, kDark}, {4, {}},
                 {5, kRed},  {6, {}}, {7, kDark}, {8, kDark}};
    for (const auto& [line, ink] : lines) {
        SCOPED_TRACE(line);
        const QRect band(0, 100 + line * h, 500, h);
        if (!ink) {
            EXPECT_EQ(Stray(screen, band, Qt::white), QRect());
            continue;
        }
        const QRect text = Scan(screen, band, ink);
        ASSERT_FALSE(text.isNull());
        EXPECT_NEAR(text.left() + text.right(), 2 * 255, 3);
        EXPECT_EQ(Stray(screen, band, Qt::white, text.adjusted(-1, -1, 1, 1)), QRect());
    }
}

// The title screen covers the whole board, the band included; the game screen shows
// the turn and the score in it.
TEST_F(BoardTest, StatusBandShowsTurnAndScoreOnTheGameScreen) {
    EXPECT_EQ(Stray(Grab(), kBand, Qt::white), QRect());

    board->OnNewGame();
    const QImage screen = Grab();
    const QFontMetrics metrics(BoardFont());
    const struct {
        const char* text;
        int left;
        QRect half;  // where to look for it
    } texts[] = {{"Turn 1", 8, {1, 353, 253, 48}}, {"Score 0", 254, {254, 353, 245, 48}}};
    QRegion inked;
    for (const auto& t : texts) {
        SCOPED_TRACE(t.text);
        const QRect text = Scan(screen, t.half, kDark);
        const QRect expected = metrics.tightBoundingRect(t.text);
        ASSERT_FALSE(text.isNull());
        EXPECT_NEAR(text.left(), t.left + expected.left(), 1);
        EXPECT_NEAR(text.width(), expected.width(), 2);
        EXPECT_NEAR(text.top() + text.bottom(), kBand.top() + kBand.bottom(), 3);
        inked |= text.adjusted(-1, -1, 1, 1);
    }
    EXPECT_EQ(Stray(screen, kBand, Face(), inked), QRect());
}

TEST_F(BoardTest, ClicksBesideTheControlsChangeNothing) {
    for (const bool inGame : {false, true}) {
        if (inGame) {
            board->OnNewGame();
        }
        for (const QPoint at : {QPoint(480, 200), QPoint(230, 300), QPoint(100, 380)}) {
            SCOPED_TRACE(testing::Message()
                         << (inGame ? "in game at " : "title at ") << at.x() << ',' << at.y());
            const QImage before = Grab();
            const std::string state = State(*board);
            QTest::mouseClick(board.get(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(board.get(), Qt::LeftButton, {}, at);
            EXPECT_EQ(Grab(), before);
            EXPECT_EQ(State(*board), state);
        }
    }
}

TEST_F(BoardTest, EachScreenStaysThroughRepaintsUntilTheNextChanges) {
    for (const bool inGame : {false, true}) {
        SCOPED_TRACE(inGame ? "game screen" : "title screen");
        if (inGame) {
            board->OnNewGame();
        }
        const QImage first = Grab();
        EXPECT_EQ(first.pixelColor(5, 60), inGame ? Face() : QColor(Qt::white));
        for (int time = 0; time < 3; ++time) {
            board->update();
            board->repaint();
            board->hide();
            board->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(board.get()));
            EXPECT_EQ(Grab(), first);
        }
    }
}

}  // namespace
}  // namespace vorpin
