// SPDX-License-Identifier: GPL-3.0-or-later
#include "Output.h"

#include <charconv>

namespace vorpin::sim {

OutputBuffer::OutputBuffer(std::FILE* stream) : stream(stream) {
    pending.reserve(2 * kBlockSize);
}

OutputBuffer& OutputBuffer::Text(std::string_view piece) {
    pending.append(piece);
    return *this;
}

OutputBuffer& OutputBuffer::Char(char c) {
    pending.push_back(c);
    return *this;
}

OutputBuffer& OutputBuffer::Number(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    pending.append(digits, result.ptr);
    return *this;
}

void OutputBuffer::FlushIfFull() {
    if (pending.size() >= kBlockSize) {
        Flush();
    }
}

bool OutputBuffer::Flush() {
    if (!pending.empty() &&
        std::fwrite(pending.data(), 1, pending.size(), stream) != pending.size()) {
        failed = true;
    }
    pending.clear();
    if (std::fflush(stream) != 0) {
        failed = true;
    }
    return !failed;
}

}  // namespace vorpin::sim
