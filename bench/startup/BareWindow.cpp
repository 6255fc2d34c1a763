// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the start-up benchmark: the least a Qt widgets program of the game's
// kind does before its window shows, an empty 510x450 main window with a menu bar. With
// VORPIN_EXIT_AFTER_FIRST_PAINT=1 it reports its first paint and quits, as the game does.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>
#include <string_view>

#include "FirstPaintProbe.h"

int main(int argc, char** argv) {
    const char* exitAfterFirstPaint = std::getenv("VORPIN_EXIT_AFTER_FIRST_PAINT");
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QWidget);
    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("&Game"))
        ->addAction(QStringLiteral("E&xit"), &app, &QCoreApplication::quit);
    bar->addMenu(QStringLiteral("&View"))->addAction(QStringLiteral("&Nothing"));
    bar->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("&Nothing"));
    window.setFixedSize(510, 450);
    if (exitAfterFirstPaint != nullptr && std::string_view(exitAfterFirstPaint) == "1") {
        app.installEventFilter(new vorpin::FirstPaintProbe(
            [&window](QObject* target) { return target == &window; }, &window));
    }
    window.show();
    return app.exec();
}
