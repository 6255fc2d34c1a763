// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's windows go: moved and made smaller to fit a screen, set beside the
// board while there is room, and a window sized only as it shows brought onto the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QtTest/QTest>

#include "WindowPlacement.h"

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << 'x' << rect.height() << " at (" << rect.x() << ',' << rect.y() << ')';
}

namespace vorpin {
namespace {

const QRect kScreen(0, 0, 1280, 800);

TEST(WindowPlacement, WithinMovesThenShrinksDownToTheLeast) {
    const struct {
        const char* what;
        QRect frame;
        QSize least;
        QRect placed;
    } cases[] = {
        {"inside already", {100, 50, 400, 300}, {100, 100}, {100, 50, 400, 300}},
        {"off the right and bottom", {1100, 700, 400, 300}, {100, 100}, {880, 500, 400, 300}},
        {"off the left and top", {-50, -20, 400, 300}, {100, 100}, {0, 0, 400, 300}},
        {"far away, kept from a larger screen",
         {5000, 3000, 400, 300},
         {1, 1},
         {880, 500, 400, 300}},
        {"taller than the screen", {10, 10, 400, 900}, {100, 200}, {10, 0, 400, 800}},
        {"wider than its least allows", {10, 10, 1500, 300}, {1400, 100}, {0, 10, 1400, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(placement::Within(c.frame, c.least, kScreen), c.placed);
    }
}

TEST(WindowPlacement, BesideTheAnchorWhileThereIsRoom) {
    const QRect board(100, 50, 520, 470);  // right() is 619
    const struct {
        const char* what;
        QRect anchor;
        QSize wanted;
        QSize least;
        QRect placed;
    } cases[] = {
        {"right of it", board, {480, 560}, {200, 200}, {627, 50, 480, 560}},
        {"right, lifted to fit the height", board, {480, 780}, {200, 200}, {627, 20, 480, 780}},
        {"left when the right is short",
         {700, 50, 520, 470},
         {480, 560},
         {200, 200},
         {213, 50, 480, 560}},
        {"right, narrowed to the room",
         {300, 50, 520, 470},
         {800, 560},
         {200, 200},
         {827, 50, 453, 560}},
        {"left, narrowed, the wider side",
         {500, 50, 520, 470},
         {800, 560},
         {200, 200},
         {0, 50, 493, 560}},
        {"over it when neither side has room",
         {300, 50, 800, 470},
         {480, 560},
         {400, 200},
         {800, 50, 480, 560}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect placed = placement::Beside(c.anchor, c.wanted, c.least, kScreen);
        EXPECT_EQ(placed, c.placed);
        EXPECT_TRUE(kScreen.contains(placed));
    }
}

TEST(WindowPlacement, WhollyWithinOneOfTheScreens) {
    const QRect screens[] = {kScreen, QRect(1280, 0, 1920, 1080)};
    EXPECT_TRUE(placement::WhollyWithinOne({1300, 900, 400, 100}, screens));
    EXPECT_FALSE(placement::WhollyWithinOne({1100, 100, 400, 100}, screens));  // across both
    EXPECT_FALSE(placement::WhollyWithinOne({100, 750, 400, 100}, screens));
}

// A message box takes its size only as it shows; put where it would spill over the
// screen's corner, it is shown wholly on the screen.
TEST(WindowPlacement, AMessageBoxSizedAsItShowsIsKeptOnTheScreen) {
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    const QRect area = owner.screen()->availableGeometry();
    QMessageBox box(QMessageBox::NoIcon, "VORPIN", QString("A line of the table\n").repeated(12),
                    QMessageBox::Ok, &owner);
    box.move(area.bottomRight() - QPoint(20, 20));
    KeepOnScreen(box, owner);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    EXPECT_GT(box.height(), 100);
    EXPECT_TRUE(area.contains(box.frameGeometry())) << testing::PrintToString(box.frameGeometry());
}

}  // namespace
}  // namespace vorpin
