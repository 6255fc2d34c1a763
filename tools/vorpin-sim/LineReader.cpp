// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "BadInput.h"

namespace vorpin::sim {

std::optional<std::string_view> LineReader::NextBufferedLine() {
    const std::size_t newline = buffer.find('\n', start);
    if (newline == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view line = std::string_view(buffer).substr(start, newline - start);
    start = newline + 1;
    return line;
}

bool LineReader::Fill() {
    buffer.erase(0, start);
    start = 0;
    if (buffer.size() > kLongestLine) {
        throw BadInput("an input line is longer than " + std::to_string(kLongestLine) +
                       " characters");
    }
    const std::size_t kept = buffer.size();
    buffer.resize(kept + kChunkSize);
    ssize_t got = 0;
    do {
        got = read(fd, buffer.data() + kept, kChunkSize);
    } while (got < 0 && errno == EINTR);
    buffer.resize(kept + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0) {
        throw std::runtime_error(std::string("cannot read standard input: ") +
                                 std::strerror(errno));
    }
    return got > 0;
}

}  // namespace vorpin::sim
