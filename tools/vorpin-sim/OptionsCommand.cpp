// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsCommand.h"

#include <algorithm>
#include <string>

#include "BadInput.h"
#include "LineReader.h"

namespace vorpin::sim {
namespace {

constexpr std::string_view kBlanks = " \t\r";

void WriteRow(const ScoringOption& option, OutputBuffer& out) {
    out.Number(option.points);
    for (std::uint8_t face : option.pattern) {
        out.Char(' ');
        if (face == 0) {
            out.Char('-');
        } else {
            out.Number(face);
        }
    }
}

// The next blank-separated word of `rest`, removed from it; empty when none is left.
std::string_view NextWord(std::string_view& rest) {
    const std::size_t begin = rest.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(begin);
    const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::string LinePrefix(long lineNumber) {
    return "line " + std::to_string(lineNumber) + ": ";
}

}  // namespace

void OptionRowsWriter::Write(const DiceSet& dice, OutputBuffer& out) {
    model.FindOptions(dice[0], dice[1], dice[2], dice[3], dice[4], dice[5]);
    if (model.OptionCount() == 0) {
        out.Text("no rows");
    }
    for (int row = 0; row < model.OptionCount(); ++row) {
        if (row > 0) {
            out.Text("; ");
        }
        WriteRow(model.Option(row), out);
    }
    out.Char('\n');
}

DiceSet ParseDiceLine(std::string_view line, long lineNumber) {
    DiceSet dice{};
    std::size_t count = 0;
    for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
        const auto value = ParseWholeNumber(word, 255);
        if (!value) {
            throw BadInput(LinePrefix(lineNumber) + Quoted(word) +
                           " is not a die value from 0 to 255");
        }
        if (count == dice.size()) {
            throw BadInput(LinePrefix(lineNumber) + "more than six die values");
        }
        dice[count++] = static_cast<std::uint8_t>(*value);
    }
    if (count != dice.size()) {
        throw BadInput(LinePrefix(lineNumber) + "expected six die values, got " +
                       std::to_string(count));
    }
    return dice;
}

void RunOptionsCommand(int inputFd, OutputBuffer& out) {
    LineReader reader(inputFd);
    OptionRowsWriter writer;
    long lineNumber = 0;
    do {
        while (const auto line = reader.NextBufferedLine()) {
            writer.Write(ParseDiceLine(*line, ++lineNumber), out);
        }
        out.Flush();
    } while (reader.Fill());
    if (!reader.Rest().empty()) {
        writer.Write(ParseDiceLine(reader.Rest(), ++lineNumber), out);
    }
}

}  // namespace vorpin::sim
