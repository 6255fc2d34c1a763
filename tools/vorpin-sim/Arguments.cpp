#include "Arguments.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "BadInput.h"
#include "Policies.h"

namespace vorpin::sim {
namespace {

using Args = std::span<const std::string_view>;

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
    if (!MakePolicy(value)) {
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
        if (flag != "--trace" && flag != "--policy" && flag != "--games" && flag != "--seed") {
            throw BadInput("unknown flag " + Quoted(flag) + " for play");
        }
        MarkGiven(given, flag);
        if (flag == "--trace") {
            settings.trace = true;
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

}  // namespace

Arguments ParseArguments(Args args) {
    if (args.empty()) {
        throw BadInput("no command given (options or play)");
    }
    if (args[0] == "options") {
        if (args.size() > 1) {
            throw BadInput("options takes no arguments, got " + Quoted(args[1]));
        }
        return Arguments{Command::Options, {}};
    }
    if (args[0] == "play") {
        return Arguments{Command::Play, ParsePlayFlags(args.subspan(1))};
    }
    throw BadInput("unknown command " + Quoted(args[0]) + " (options or play)");
}

std::string_view Usage() {
    return "usage: vorpin-sim options < dice-lines\n"
           "       vorpin-sim play --policy greedy|banker|fickle --games N --seed S [--trace]\n"
           "options: for each line of six die values (0 to 255) prints the rows the options "
           "list shows\n"
           "play: plays N games in a row after seeding the dice with S\n";
}

}  // namespace vorpin::sim
