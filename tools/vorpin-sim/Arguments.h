// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "StrategyCommands.h"

namespace vorpin::sim {

struct PlaySettings {
    std::string policy;
    std::uint64_t games = 0;
    unsigned seed = 0;
    bool trace = false;
    bool check = false;  // --check: the game's rules after every command
};

enum class Command { Options, Play, Solve, Advise, Odds, Help, Version };

struct Arguments {
    Command command = Command::Options;
    PlaySettings play;
    AdviseSettings advise;
};

inline constexpr std::uint64_t kMostGames = 1'000'000'000;

// The command line after the program name. Throws BadInput when it cannot be used.
// `--help` or `-h` first, or after a known command, asks for Help; `--version` alone for
// Version.
Arguments ParseArguments(std::span<const std::string_view> args);

// A few lines on how to call the simulator.
std::string_view Usage();

}  // namespace vorpin::sim
