// SPDX-License-Identifier: GPL-3.0-or-later
#include "BadInput.h"

#include <charconv>

namespace vorpin::sim {

std::optional<std::uint64_t> ParseWholeNumber(std::string_view text, std::uint64_t max) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc{} || result.ptr != end || value > max) {
        return std::nullopt;
    }
    return value;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string quoted = "'";
    for (char c : text.substr(0, kLongest)) {
        quoted.push_back(c >= ' ' && c <= '~' ? c : '?');
    }
    quoted.append(text.size() > kLongest ? "...'" : "'");
    return quoted;
}

}  // namespace vorpin::sim
