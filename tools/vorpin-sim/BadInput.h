// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorpin::sim {

// Arguments or input the simulator cannot use. The message says what was wrong.
class BadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `text` as a whole decimal number from 0 to `max`: digits only, no sign, no spaces.
std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max);

// `text` in quotes for a one-line message: shortened, other than printable ASCII as '?'.
std::string Quoted(std::string_view text);

}  // namespace vorpin::sim
