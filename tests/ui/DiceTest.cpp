// SPDX-License-Identifier: GPL-3.0-or-later
// The large dice: composition in the dice colour, the dice row, and the Dice Color
// command.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <cstdlib>

#include "BoardLayout.h"
#include "BoardProbe.h"
#include "DiceImages.h"
#include "GameBoard.h"

namespace vorpin {
namespace {

const QColor kLightGrey(192, 192, 192);
const QColor kDarkGrey(128, 128, 128);

QColor Pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

class ComposeTest : public ::testing::TestWithParam<QColor> {};

// Body, outline, cut corners and pips of every face, whatever the colour.
TEST_P(ComposeTest, BodyTakesTheColourInsideTheOutline) {
    const QColor colour = GetParam();
    DiceImages dice(1);
    dice.ComposeDiceImages(colour);
    for (int face = 1; face <= 6; ++face) {
        const QImage image = dice.Composed(face).Image();
        EXPECT_EQ(Pixel(image, 3, 19), colour) << face;
        EXPECT_EQ(Pixel(image, 35, 3), colour) << face;
        EXPECT_EQ(Pixel(image, 0, 0), DiceImages::kGreenKey) << "cut corner " << face;
        EXPECT_EQ(Pixel(image, 38, 38), DiceImages::kGreenKey) << "cut corner " << face;
        EXPECT_EQ(Pixel(image, 2, 2), kLightGrey) << face;
        EXPECT_EQ(Pixel(image, 10, 1), kLightGrey) << face;
        EXPECT_EQ(Pixel(image, 36, 36), kDarkGrey) << face;
        EXPECT_EQ(Pixel(image, 37, 20), kDarkGrey) << face;
    }
    const QImage one = dice.Composed(1).Image();
    EXPECT_EQ(Pixel(one, 19, 19), QColor(Qt::black)) << "pip core";
    EXPECT_EQ(Pixel(one, 7, 7), colour) << "no pip there on a one";

    const QImage first = dice.Composed(5).Image();
    dice.ComposeDiceImages(colour);
    EXPECT_EQ(dice.Composed(5).Image(), first) << "composing again changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Colours, ComposeTest,
                         ::testing::Values(QColor(Qt::white), QColor(40, 30, 20), QColor(0, 0, 255),
                                           QColor(0, 255, 0)),
                         [](const auto& info) {
                             return info.param.name(QColor::HexRgb).mid(1).toStdString();
                         });

TEST(DiceImagesTest, HighDensityImagesAreTheSameDiceAtTwiceThePixels) {
    DiceImages normal(1);
    DiceImages sharp(2);
    normal.ComposeDiceImages(QColor(200, 30, 30));
    sharp.ComposeDiceImages(QColor(200, 30, 30));
    for (int face = 1; face <= 6; ++face) {
        const QImage big = sharp.Composed(face).Image();
        ASSERT_EQ(big.size(), QSize(78, 78));
        const QImage small = normal.Composed(face).Image();
        for (int y = 0; y < 39; ++y) {
            for (int x = 0; x < 39; ++x) {
                ASSERT_EQ(big.pixel(2 * x + 1, 2 * y + 1), small.pixel(x, y)) << face;
            }
        }
    }
}

// A body in the key colour is left out: the cell keeps what it showed.
TEST(DiceImagesTest, GreenBodyLetsTheCellShowThrough) {
    DiceImages dice(1);
    dice.ComposeDiceImages(DiceImages::kGreenKey);
    QImage cell(39, 39, QImage::Format_RGB32);
    cell.fill(QColor(10, 20, 30));
    QPainter painter(&cell);
    dice.Composed(4).DrawTransparent(painter, 0, 0, DiceImages::kGreenKey);
    painter.end();
    EXPECT_EQ(Pixel(cell, 3, 19), QColor(10, 20, 30));
    EXPECT_EQ(Pixel(cell, 0, 0), QColor(10, 20, 30));
    EXPECT_EQ(Pixel(cell, 7, 7), QColor(Qt::black));
    EXPECT_EQ(Pixel(cell, 1, 10), kLightGrey);
}

class DiceRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        board = std::make_unique<GameBoard>();
        board->show();
    }

    QColor CellBody(int slot) {
        const QRect cell = layout::DieCell(slot);
        return board->grab().toImage().pixelColor(cell.left() + 3, cell.top() + 19);
    }

    // Opens the colour dialog and, once it shows, picks `colour` (or cancels).
    void ChooseDiceColour(std::optional<QColor> colour) {
        QTimer::singleShot(0, [colour] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (colour) {
                dialog->setCurrentColor(*colour);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        board->OnCmdMsg(40009);
    }

    ScratchHome home;
    std::unique_ptr<GameBoard> board;
};

TEST_F(DiceRowTest, EachDieInPlayShowsItsFaceAndOthersAnEmptyCell) {
    const QColor buttonFace = board->palette().color(QPalette::Button);
    board->OnNewGame();
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(CellBody(slot), buttonFace) << "fresh die " << slot;
    }
    std::srand(7);
    board->OnRoll();
    const QImage shown = board->grab().toImage();
    for (int slot = 0; slot < 6; ++slot) {
        const int face = board->Controller().Dice()[static_cast<std::size_t>(slot)];
        ASSERT_GE(face, 1);
        const QRect cell = layout::DieCell(slot);
        DiceImages expected(1);
        expected.ComposeDiceImages(Qt::white);
        QImage drawn(39, 39, QImage::Format_RGB32);
        drawn.fill(buttonFace);
        QPainter painter(&drawn);
        expected.Composed(face).DrawTransparent(painter, 0, 0, DiceImages::kGreenKey);
        painter.end();
        EXPECT_EQ(shown.copy(cell), drawn) << "slot " << slot;
    }
}

TEST_F(DiceRowTest, ChosenColourPaintsTheDiceAndIsSavedAtClose) {
    ChooseDiceColour(QColor(Qt::white));
    board->OnNewGame();
    std::srand(3);
    board->OnRoll();
    ChooseDiceColour(QColor(0, 0, 170));
    EXPECT_EQ(CellBody(0), QColor(0, 0, 170));
    ChooseDiceColour(std::nullopt);
    EXPECT_EQ(CellBody(0), QColor(0, 0, 170)) << "cancel changes nothing";
    board.reset();
    QFile file(home.File());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Settings\\DiceColor=11141120\n")) << "0x00AA0000";
}

TEST_F(DiceRowTest, ColourChosenOnTheTitleScreenShowsOnceAGameStarts) {
    const QImage title = board->grab().toImage();
    ChooseDiceColour(QColor(200, 0, 0));
    EXPECT_EQ(board->grab().toImage(), title);
    board->OnNewGame();
    board->OnRoll();
    EXPECT_EQ(CellBody(2), QColor(200, 0, 0));
}

}  // namespace
}  // namespace vorpin
