// SPDX-License-Identifier: GPL-3.0-or-later
// vorpin-sim: plays Vorpin through the player's commands, for tests and tuning.

#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "BadInput.h"
#include "OptionsCommand.h"
#include "Output.h"
#include "PlayCommand.h"
#include "StrategyCommands.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadInput = 2;

int Report(vorpin::sim::OutputBuffer& out, const char* message, int status) {
    out.Flush();
    std::fprintf(stderr, "vorpin-sim: %s\n", message);
    return status;
}

void RunCommand(const vorpin::sim::Arguments& arguments, vorpin::sim::OutputBuffer& out) {
    using vorpin::sim::Command;
    switch (arguments.command) {
        case Command::Options:
            vorpin::sim::RunOptionsCommand(STDIN_FILENO, out);
            break;
        case Command::Play:
            vorpin::sim::RunPlayCommand(arguments.play, out);
            break;
        case Command::Solve:
            vorpin::sim::RunSolveCommand(out);
            break;
        case Command::Advise:
            vorpin::sim::RunAdviseCommand(arguments.advise, out);
            break;
        case Command::Odds:
            vorpin::sim::RunOddsCommand(out);
            break;
        case Command::Help:
            out.Text(vorpin::sim::Usage());
            break;
        case Command::Version:
            out.Text("vorpin-sim " VORPIN_VERSION "\n");
            break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        const std::string_view usage = vorpin::sim::Usage();
        std::fwrite(usage.data(), 1, usage.size(), stderr);
        return kBadInput;
    }
    vorpin::sim::OutputBuffer out(stdout);
    try {
        RunCommand(vorpin::sim::ParseArguments(args), out);
    } catch (const vorpin::sim::BadInput& bad) {
        return Report(out, bad.what(), kBadInput);
    } catch (const std::exception& failure) {
        return Report(out, failure.what(), kFailed);
    }
    if (!out.Flush()) {
        return Report(out, "cannot write to standard output", kFailed);
    }
    return 0;
}
