// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vorpin::sim {

// Gathers output text and hands it to a stream in large blocks.
class OutputBuffer {
public:
    explicit OutputBuffer(std::FILE* stream);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    OutputBuffer& Text(std::string_view piece);
    OutputBuffer& Char(char c);
    OutputBuffer& Number(std::int64_t value);
    // Writes out once a block has gathered.
    void FlushIfFull();
    // Writes out everything gathered; false once any write has failed.
    bool Flush();

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    std::string pending;
    std::FILE* stream;
    bool failed = false;
};

}  // namespace vorpin::sim
