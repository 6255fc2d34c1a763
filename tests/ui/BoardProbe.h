// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window and board tests share: a scratch settings directory, the board's
// controls found by their accessible names, and the game's state as one line of text.
#include <QCoreApplication>
#include <QListWidget>
#include <QRect>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <ostream>
#include <string>

#include "GameBoard.h"
#include "ScratchHome.h"
#include "SettingsFile.h"
#include "records/QtPrinting.h"

inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << '(' << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << '(' << p.x() << ',' << p.y() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* out) {
    *out << s.width() << 'x' << s.height();
}

namespace vorpin {

template <typename T = QWidget>
T* Control(const QWidget& board, const char* name) {
    for (T* child : board.findChildren<T*>()) {
        if (child->accessibleName() == QLatin1String(name)) {
            return child;
        }
    }
    return nullptr;
}

// Turn, score, dice, rows of the lists and which buttons are enabled.
inline std::string State(const GameBoard& board) {
    const TurnController& game = board.Controller();
    std::string text = "turn " + std::to_string(game.Turn()) + " score " +
                       std::to_string(game.Score()) + (game.HasGame() ? " game" : "") + " dice ";
    for (const auto value : game.Dice()) {
        text += static_cast<char>('0' + value);
    }
    for (const char* list : {"Scoring options", "Kept this turn"}) {
        text += " rows " + std::to_string(Control<QListWidget>(board, list)->count());
    }
    for (const char* button : {"Roll", "End Turn", "Take", "Give back"}) {
        text += Control(board, button)->isEnabled() ? " +" : " -";
    }
    return text;
}

}  // namespace vorpin
