// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorpin::sim {

// Splits what a file descriptor delivers into lines. Reads only when asked, so a caller
// can answer every line it already has before waiting for more.
class LineReader {
public:
    explicit LineReader(int fd) : fd(fd) {}

    // The next whole line already read, without its newline. The view lasts until Fill().
    std::optional<std::string_view> NextBufferedLine();
    // Reads more input, waiting if none is there; false at the end of the input.
    // Throws BadInput when a line grows too long, std::runtime_error when reading fails.
    bool Fill();
    // What is left after the end of the input: a last line with no newline, or nothing.
    std::string_view Rest() const { return std::string_view(buffer).substr(start); }

private:
    static constexpr std::size_t kChunkSize = 64 * 1024;
    static constexpr std::size_t kLongestLine = 4096;

    int fd;
    std::string buffer;
    std::size_t start = 0;
};

}  // namespace vorpin::sim
