// SPDX-License-Identifier: GPL-3.0-or-later
#include "Arguments.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "BadInput.h"
#include "Policies.h"

namespace vorpin::sim {
namespace {

using Args = std::span<const std::string_view>;

constexpr std::string_view kCommandNames = "options, play, solve, advise or odds";
constexpr std::array<std::string_view, 5> kCommands{"options", "play", "solve", "advise", "odds"};

std::uint64_t ParseFlagNumber(std::string_view flag, std::string_view value, std::uint64_t least,
                              std::uint64_t most) {
    const auto number = ParseWholeNumber(value, most);
    if (!number || *number < least) {
        throw BadInput(std::string(flag) + " must be a whole number from " + std::to_string(least) +
                       " to " + std::to_string(most) + ", got " + Quoted(value));
    }
    return *number;
}

std::string ParsePolicyName(std::string_view value) {
    if (!IsPolicyName(value)) {
        throw BadInput("unknown policy " + Quoted(value) +
                       " (known: " + std::string(PolicyNames()) + ")");
    }
    return std::string(value);
}

// Stores the value of one flag that takes a value.
void SetPlayValue(PlaySettings& settings, std::string_view flag, std::string_view value) {
    if (flag == "--policy") {
        settings.policy = ParsePolicyName(value);
    } else if (flag == "--games") {
        settings.games = ParseFlagNumber(flag, value, 1, kMostGames);
    } else {
        settings.seed = static_cast<unsigned>(
            ParseFlagNumber(flag, value, 0, std::numeric_limits<unsigned>::max()));
    }
}

using GivenFlags = std::vector<std::string_view>;

bool WasGiven(const GivenFlags& given, std::string_view flag) {
    return std::find(given.begin(), given.end(), flag) != given.end();
}

// Records that `flag` was given; each flag may appear once.
void MarkGiven(GivenFlags& given, std::string_view flag) {
    if (WasGiven(given, flag)) {
        throw BadInput(std::string(flag) + " given more than once");
    }
    given.push_back(flag);
}

PlaySettings ParsePlayFlags(Args flags) {
    PlaySettings settings;
    GivenFlags given;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        const std::string_view flag = flags[i];
        if (flag != "--trace" && flag != "--check" && flag != "--policy" && flag != "--games" &&
            flag != "--seed") {
            throw BadInput("unknown flag " + Quoted(flag) + " for play");
        }
        MarkGiven(given, flag);
        if (flag == "--trace") {
            settings.trace = true;
        } else if (flag == "--check") {
            settings.check = true;
        } else if (i + 1 == flags.size()) {
            throw BadInput(std::string(flag) + " needs a value");
        } else {
            SetPlayValue(settings, flag, flags[++i]);
        }
    }
    for (std::string_view needed : {"--policy", "--games", "--seed"}) {
        if (!WasGiven(given, needed)) {
            throw BadInput("play needs " + std::string(needed));
        }
    }
    return settings;
}

bool IsHelpFlag(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

// Help first, or anywhere after a known command.
bool AsksForHelp(Args args) {
    if (IsHelpFlag(args[0])) {
        return true;
    }
    const bool knownCommand =
        std::find(kCommands.begin(), kCommands.end(), args[0]) != kCommands.end();
    return knownCommand && std::any_of(args.begin() + 1, args.end(), IsHelpFlag);
}

}  // namespace

Arguments ParseArguments(Args args) {
    if (args.empty()) {
        throw BadInput("no command given (" + std::string(kCommandNames) + ")");
    }
    if (AsksForHelp(args)) {
        return Arguments{Command::Help, {}, {}};
    }
    if (args.size() == 1 && args[0] == "--version") {
        return Arguments{Command::Version, {}, {}};
    }
    if (args[0] == "options") {
        if (args.size() > 1) {
            throw BadInput("options takes no arguments, got " + Quoted(args[1]));
        }
        return Arguments{Command::Options, {}, {}};
    }
    if (args[0] == "play") {
        return Arguments{Command::Play, ParsePlayFlags(args.subspan(1)), {}};
    }
    if (args[0] == "advise") {
        return Arguments{Command::Advise, {}, ParseAdviseFlags(args.subspan(1))};
    }
    for (const auto& [name, command] :
         {std::pair{"solve", Command::Solve}, {"odds", Command::Odds}}) {
        if (args[0] == name) {
            if (args.size() > 1) {
                throw BadInput(std::string(name) + " takes no arguments, got " + Quoted(args[1]));
            }
            return Arguments{command, {}, {}};
        }
    }
    throw BadInput("unknown command " + Quoted(args[0]) + " (" + std::string(kCommandNames) + ")");
}

std::string_view Usage() {
    return "usage: vorpin-sim options < dice-lines\n"
           "       vorpin-sim play --policy greedy|banker|fickle|thumb|optimal --games N --seed S\n"
           "                  [--trace] [--check]\n"
           "       vorpin-sim solve | odds\n"
           "       vorpin-sim advise --score B --turn-total T --dice d0 d1 d2 d3 d4 d5\n"
           "       vorpin-sim --help | -h | --version\n"
           "options: for each line of six die values (0 to 255) prints the rows the options "
           "list shows\n"
           "play: plays N games in a row after seeding the dice with S; --check stops with "
           "an\n"
           "      error when the game breaks one of its rules; with --policy optimal the last "
           "line\n"
           "      also gives the standard error of the mean\n"
           "solve: the play that needs the fewest turns on average. Prints \"optimal_turns E\", "
           "then\n"
           "      \"value B E\" for each banked score B from 0 to 4950 (E: expected turns from "
           "the start\n"
           "      of a turn), then \"bank_at B D T\" for B 0 and 2500 and D 1 to 6 dice left: "
           "the least\n"
           "      turn total T at which banking beats rolling, or \"never\"\n"
           "odds: \"within N P\" for N 1 to 40: the exact chance that the solved play ends "
           "the game\n"
           "      within N turns\n"
           "advise: the dice as the board holds them (0 set aside, 1 to 6 rolled, all 7 fresh); "
           "T is\n"
           "      the turn total before this roll's takes. Prints \"best MOVE\", then "
           "\"alt E MOVE\" for\n"
           "      every alternative, best first, E the expected turns left counting this one. "
           "MOVE is\n"
           "      \"take R... points P then bank\" or \"take R... points P then roll D\"; "
           "R are option rows\n"
           "      from 1, in the order to take them, each as the list stands before that take. "
           "With\n"
           "      fresh dice MOVE is \"bank\" or \"roll 6\".\n";
}

}  // namespace vorpin::sim
