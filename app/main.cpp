// Vorpin: the six-dice game.
#include <cstdio>
#include <string>

#include "DiceGameApp.h"
#include "DisplayCheck.h"

int main(int argc, char** argv) {
    if (const std::string problem = vorpin::DisplayProblem(); !problem.empty()) {
        std::fprintf(stderr, "Vorpin: %s\n", problem.c_str());
        return 1;
    }
    vorpin::DiceGameApp app(argc, argv);
    if (!app.InitInstance()) {
        std::fprintf(stderr, "Vorpin: the game window could not be created\n");
        return 1;
    }
    return app.exec();
}
