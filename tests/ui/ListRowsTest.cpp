// SPDX-License-Identifier: GPL-3.0-or-later
// How the rows of the two lists look: small dice, points, separator, total, selection.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BoardFont.h"
#include "OptionsList.h"
#include "OptionsModel.h"
#include "RowPainter.h"
#include "TallyList.h"
#include "TallyModel.h"

namespace vorpin {
namespace {

// A small die's face is white with a black outline: its row 10 runs black, white, ...
bool SmallDieAt(const QImage& image, QPoint corner) {
    return image.pixelColor(corner + QPoint(0, 10)) == Qt::black &&
           image.pixelColor(corner + QPoint(3, 0)) == Qt::black &&
           image.pixelColor(corner + QPoint(1, 10)) == Qt::white;
}

bool DarkBetween(const QImage& image, int y0, int y1, int x0, int x1) {
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (image.pixelColor(x, y).lightness() < 100) {
                return true;
            }
        }
    }
    return false;
}

template <typename List, typename Model>
struct ListUnderTest {
    ListUnderTest() : list(nullptr), model(list) {
        list.SetModel(model);
        list.setFont(BoardFont());
        list.setGeometry(0, 0, 200, 297);
        list.show();
    }
    // The list's client area, where rows start at x = 0.
    QImage Shown() {
        list.doItemsLayout();
        return list.viewport()->grab().toImage();
    }
    QRect Row(int row) { return list.visualItemRect(list.item(row)); }

    List list;
    Model model;
};

using Tally = ListUnderTest<TallyList, TallyModel>;
using Options = ListUnderTest<OptionsList, OptionsModel>;

TEST(TallyRows, DiceStandInTheirColumnsAndPointsAtTheNumberColumn) {
    Tally tally;
    tally.model.AddCombination({0, 0, 0, 5, 0, 0}, 50);
    tally.model.AddCombination({2, 2, 3, 3, 4, 4}, 750);
    const QImage shown = tally.Shown();
    const QRect single = tally.Row(0);
    for (int column = 0; column < 6; ++column) {
        const QPoint corner(single.left() + 1 + 22 * column, single.top() + 1);
        EXPECT_EQ(SmallDieAt(shown, corner), column == 3) << column;
    }
    EXPECT_FALSE(DarkBetween(shown, single.top(), single.bottom(), 133, 135));
    EXPECT_TRUE(DarkBetween(shown, single.top(), single.top() + 16, 135, 140))
        << "points start at x = 135, at the top";
    const QRect six = tally.Row(1);
    for (int column = 0; column < 6; ++column) {
        EXPECT_TRUE(SmallDieAt(shown, QPoint(six.left() + 1 + 22 * column, six.top() + 1)));
    }
    EXPECT_EQ(shown.pixelColor(six.left(), six.top() + 10), Qt::white) << "column 0 is clear";
}

TEST(TallyRows, SeparatorAndTotalRows) {
    Tally tally;
    tally.model.AddCombination({1, 0, 0, 0, 0, 0}, 100);
    tally.model.CommitRoll();
    tally.model.AddCombination({0, 5, 0, 0, 0, 0}, 50);
    const QImage shown = tally.Shown();
    for (int row : {1, 3}) {
        const QRect separator = tally.Row(row);
        ASSERT_EQ(separator.height(), kSeparatorRowHeight);
        for (int x = 0; x < separator.width(); x += 7) {
            EXPECT_EQ(shown.pixelColor(x, separator.top() + 1), Qt::black) << x;
            EXPECT_EQ(shown.pixelColor(x, separator.top()), Qt::white) << x;
            EXPECT_EQ(shown.pixelColor(x, separator.top() + 2), Qt::white) << x;
        }
    }
    const QRect total = tally.Row(4);
    EXPECT_EQ(total.height(), QFontMetrics(BoardFont()).height());
    EXPECT_TRUE(DarkBetween(shown, total.top(), total.bottom(), 1, 20)) << "TURN TOTAL";
    EXPECT_TRUE(DarkBetween(shown, total.top(), total.bottom(), 135, 150)) << "150";
    EXPECT_FALSE(DarkBetween(shown, total.top(), total.bottom(), 133, 135));
}

TEST(TallyRows, OnlyASelectedCurrentCombinationShowsInverted) {
    Tally tally;
    tally.model.AddCombination({1, 0, 0, 0, 0, 0}, 100);
    tally.model.CommitRoll();
    tally.model.AddCombination({0, 5, 0, 0, 0, 0}, 50);
    for (int row = 0; row < tally.list.count(); ++row) {
        tally.list.setCurrentRow(row);
        const QImage shown = tally.Shown();
        const QRect rect = tally.Row(row);
        const bool inverted = shown.pixelColor(rect.right() - 2, rect.top() + 2) == Qt::black;
        EXPECT_EQ(inverted, row == 2) << "row " << row;
        EXPECT_EQ(tally.model.HasSelectedCurrent(), row == 2) << "row " << row;
    }
}

// The tally shown afresh: the final combinations, then the current roll's.
void Rebuild(const TallyModel& from, TallyModel& into) {
    std::vector<const ComboRow*> current;
    for (int row = 0; row < from.DisplayRowCount(); ++row) {
        if (const auto* combo = dynamic_cast<const ComboRow*>(from.DisplayRow(row))) {
            if (combo->IsSelectable()) {
                current.push_back(combo);
            } else {
                into.AddCombination(combo->Pattern(), combo->Points());
            }
        }
    }
    into.CommitRoll();
    for (const ComboRow* combo : current) {
        into.AddCombination(combo->Pattern(), combo->Points());
    }
}

// Takes and give-backs on a tally long enough to scroll, scrolled to its end and with a
// row selected: the rows that stay keep their items, nothing is left selected, the
// board hears nothing, the scroll position holds where it can, and the list looks as
// one built afresh for the same combinations.
TEST(TallyRows, AnUpdateKeepsTheRowsItDoesNotChange) {
    Tally tally;
    int heard = 0;
    QObject::connect(&tally.list, &BoardList::playerSelectionChanged, [&heard] { ++heard; });
    const std::map<int, DicePattern> patterns = {
        {50, {0, 0, 0, 0, 5, 0}}, {100, {1, 0, 0, 0, 0, 0}}, {500, {0, 5, 5, 5, 0, 0}}};
    const char* steps[] = {"add 500", "add 100", "add 50",  "add 100", "add 50", "add 500",
                           "commit",  "add 50",  "add 100", "add 500", "add 50", "add 100",
                           "back 9",  "back 7",  "add 500", "back 10", "commit", "add 50",
                           "back 10", "add 100", "add 50",  "back 10"};
    for (const std::string step : steps) {
        SCOPED_TRACE(step);
        std::map<const TallyRow*, const QListWidgetItem*> items;
        for (int row = 0; row < tally.list.count(); ++row) {
            items[tally.model.DisplayRow(row)] = tally.list.item(row);
        }
        QScrollBar& bar = *tally.list.verticalScrollBar();
        tally.Shown();
        bar.setValue(bar.maximum());
        const int scrolled = bar.value();
        const bool back = step.starts_with("back ");
        tally.list.setCurrentRow(back ? std::stoi(step.substr(5)) : tally.list.count() - 3);
        tally.model.SyncSelection();
        heard = 0;
        if (step == "commit") {
            tally.model.CommitRoll();
        } else if (back) {
            ASSERT_TRUE(tally.model.TakeBackSelected().has_value());
        } else {
            const int points = std::stoi(step.substr(4));
            tally.model.AddCombination(patterns.at(points), points);
        }
        const QImage shown = tally.Shown();
        EXPECT_EQ(heard, 0);
        EXPECT_TRUE(tally.list.selectedItems().isEmpty());
        EXPECT_EQ(tally.list.currentRow(), -1);
        EXPECT_EQ(bar.value(), std::min(scrolled, bar.maximum()));
        ASSERT_EQ(tally.list.count(), tally.model.DisplayRowCount());
        for (int row = 0; row < tally.list.count(); ++row) {
            const TallyRow* now = tally.model.DisplayRow(row);
            const auto before = items.find(now);
            if (dynamic_cast<const ComboRow*>(now) != nullptr && before != items.end()) {
                EXPECT_EQ(tally.list.item(row), before->second) << "row " << row;
            }
        }
        Tally afresh;
        Rebuild(tally.model, afresh.model);
        afresh.Shown();
        afresh.list.verticalScrollBar()->setValue(bar.value());
        EXPECT_EQ(afresh.Shown(), shown);
    }
}

// Counts the paint events a widget receives.
class PaintCount final : public QObject {
public:
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

// Each change of rows is painted in full while the change is made: what the rules show
// next (a lost turn, a bank) never follows an empty or half-laid-out list.
TEST(ListRepaints, ShowTheNewRowsAtOnceAndLeaveNothingForLater) {
    Tally tally;
    Options options;
    const DicePattern five = {0, 0, 0, 0, 5, 0};
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"options of a roll", [&] { options.model.FindOptions(5, 1, 3, 1, 5, 4); }},
        {"first take", [&] { tally.model.AddCombination(five, 50); }},
        {"second take", [&] { tally.model.AddCombination(five, 50); }},
        {"roll kept", [&] { tally.model.CommitRoll(); }},
        {"take after a roll", [&] { tally.model.AddCombination(five, 50); }},
    };
    const auto settle = [] {
        for (int pass = 0; pass < 5; ++pass) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    };
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tally.list));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options.list));
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        settle();
        PaintCount tallyPaints(*tally.list.viewport());
        PaintCount optionPaints(*options.list.viewport());
        step();
        const int atOnce = tallyPaints.paints + optionPaints.paints;
        EXPECT_EQ(atOnce, 1);
        settle();
        EXPECT_EQ(tallyPaints.paints + optionPaints.paints, atOnce) << "painted again later";
    }
}

TEST(OptionRows, PointsCentredAndSelectionInverted) {
    Options options;
    options.model.FindOptions(5, 1, 3, 1, 5, 4);
    const QImage plain = options.Shown();
    const QRect first = options.Row(0);
    EXPECT_EQ(first.height(), 23);
    EXPECT_TRUE(SmallDieAt(plain, QPoint(first.left() + 23, first.top() + 1)));
    int left = 200;
    int right = 0;
    for (int x = 135; x < first.right(); ++x) {
        if (DarkBetween(plain, first.top(), first.bottom(), x, x + 1)) {
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    EXPECT_NEAR((left + right) / 2.0, (135 + first.right() + 1) / 2.0, 2) << "100 centred";

    options.list.setCurrentRow(1);
    const QImage selected = options.Shown();
    const QRect second = options.Row(1);
    EXPECT_EQ(selected.pixelColor(second.left() + 70, second.top() + 2), Qt::black);
    EXPECT_EQ(selected.pixelColor(first.left() + 70, first.top() + 2), Qt::white);
}

// The focus rectangle inverts every other pixel of the row's outline, on a plain row and
// on a selected (inverted) one.
TEST(OptionRows, FocusDotsShowOnPlainAndSelectedRows) {
    Options options;
    options.model.FindOptions(5, 1, 3, 1, 5, 4);
    const QSize size(194, 23);
    const struct {
        QStyle::State state;
        QColor row;  // away from the outline
        QColor dot;  // on the outline, where x + y is even
    } cases[] = {
        {QStyle::State_None, Qt::white, Qt::white},
        {QStyle::State_HasFocus, Qt::white, Qt::black},
        {QStyle::State_Selected, Qt::black, Qt::black},
        {QStyle::State_Selected | QStyle::State_HasFocus, Qt::black, Qt::white},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        options.list.DrawRow(painter, QRect(QPoint(0, 0), size), 1, c.state);
        painter.end();
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        // Dots on the outline, each with the undotted pixel next to it along the outline.
        const std::pair<QPoint, QPoint> outline[] = {
            {{0, 0}, {1, 0}},
            {{100, 0}, {101, 0}},
            {{0, 12}, {0, 13}},
            {{right, 11}, {right, 12}},
            {{right - 1, bottom}, {right - 2, bottom}},
            {{right, bottom - 1}, {right, bottom - 2}},
        };
        for (const auto& [dot, beside] : outline) {
            EXPECT_EQ(image.pixelColor(dot), c.dot) << dot.x() << ',' << dot.y();
            EXPECT_EQ(image.pixelColor(beside), c.row) << beside.x() << ',' << beside.y();
        }
        EXPECT_EQ(image.pixelColor(140, 21), c.row) << "inside";
    }
}

TEST(OptionRows, NoPointsRowLooksTheSameWhenClicked) {
    Options options;
    options.model.ShowNoPoints();
    const QImage before = options.Shown();
    EXPECT_TRUE(DarkBetween(before, 0, 23, 30, 170)) << "the words are there";
    QTest::mouseClick(options.list.viewport(), Qt::LeftButton, {}, options.Row(0).center());
    EXPECT_EQ(options.Shown(), before);
}

TEST(RowHeights, FollowTheTextHeight) {
    const std::pair<int, int> heights[] = {{16, 23}, {21, 23}, {22, 22}, {24, 24}};
    for (const auto& [text, row] : heights) {
        EXPECT_EQ(CombinationRowHeight(text), row) << text;
        EXPECT_EQ(TotalRowHeight(text), text) << text;
    }
}

}  // namespace
}  // namespace vorpin
