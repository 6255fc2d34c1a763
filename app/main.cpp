// SPDX-License-Identifier: GPL-3.0-or-later
// Vorpin: the six-dice game.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DiceGameApp.h"
#include "DisplayCheck.h"

int main(int argc, char** argv) {
    // Set only by the start-up benchmark (bench/startup/measure-startup).
    const char* exitAfterFirstPaint = std::getenv("VORPIN_EXIT_AFTER_FIRST_PAINT");
    vorpin::DisplayRequest request = vorpin::DisplayRequest::FromEnvironment();
    request.ReadArguments({argv, static_cast<std::size_t>(argc)});
    if (const std::string problem = vorpin::DisplayProblem(request); !problem.empty()) {
        std::fprintf(stderr, "Vorpin: %s\n", problem.c_str());
        return 1;
    }
    vorpin::DiceGameApp app(argc, argv);
    if (exitAfterFirstPaint != nullptr && std::string_view(exitAfterFirstPaint) == "1") {
        app.ExitAfterFirstPaint();
    }
    if (!app.InitInstance()) {
        std::fprintf(stderr, "Vorpin: the game window could not be created\n");
        return 1;
    }
    return app.exec();
}
