// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "DiceSet.h"
#include "Output.h"
#include "PlainBoard.h"

namespace vorpin::sim {

// Writes the rows the options list shows for some dice, as one line.
class OptionRowsWriter {
public:
    OptionRowsWriter() : model(list) {}

    void Write(const DiceSet& dice, OutputBuffer& out);

private:
    PlainList list;
    OptionsModel model;
};

// Six die values from 0 to 255 separated by blanks. Throws BadInput naming the line
// number otherwise.
DiceSet ParseDiceLine(std::string_view line, long lineNumber);

// Answers each line of dice on `inputFd` with its option rows on `out`, and sends each
// answer before waiting for more input. Throws BadInput at the first unusable line.
void RunOptionsCommand(int inputFd, OutputBuffer& out);

}  // namespace vorpin::sim
