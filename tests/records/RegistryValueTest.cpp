// SPDX-License-Identifier: GPL-3.0-or-later
// Registry values as the Windows profile reads and writes them: only a four-byte
// REG_DWORD is a number and only a REG_SZ is a text; anything else reads as missing.
#include <gtest/gtest.h>

#include "QtPrinting.h"
#include "RegistryValue.h"

namespace vorpin::registry {
namespace {

constexpr std::uint32_t kExpandText = 2;   // REG_EXPAND_SZ
constexpr std::uint32_t kBinary = 3;       // REG_BINARY
constexpr std::uint32_t kTextList = 7;     // REG_MULTI_SZ
constexpr std::uint32_t kWideNumber = 11;  // REG_QWORD

QByteArray Bytes(std::initializer_list<int> bytes) {
    QByteArray data;
    for (int byte : bytes) {
        data.append(static_cast<char>(byte));
    }
    return data;
}

TEST(RegistryValue, NumbersOnlyFromFourByteDwords) {
    const struct {
        std::uint32_t type;
        QByteArray data;
        std::optional<std::int32_t> number;
    } cases[] = {
        {kNumber, Bytes({0xff, 0xff, 0xff, 0x00}), 0xFFFFFF},
        {kNumber, Bytes({0x88, 0x13, 0, 0}), 5000},
        {kNumber, Bytes({0xff, 0xff, 0xff, 0xff}), -1},
        {kNumber, Bytes({0x05, 0x00}), std::nullopt},
        {kNumber, Bytes({1, 0, 0, 0, 0}), std::nullopt},
        {kNumber, QByteArray(), std::nullopt},
        {kBinary, Bytes({0x88, 0x13, 0, 0}), std::nullopt},
        {kWideNumber, Bytes({1, 0, 0, 0, 0, 0, 0, 0}), std::nullopt},
        {kText, TextData(QStringLiteral("5000")), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberFrom(c.type, c.data), c.number) << c.type << " " << c.data.toHex().data();
    }
}

TEST(RegistryValue, TextsOnlyFromStrings) {
    const QByteArray name = TextData(QStringLiteral("Zoë Ünal"));
    const struct {
        std::uint32_t type;
        QByteArray data;
        std::optional<QString> text;
    } cases[] = {
        {kText, name, QStringLiteral("Zoë Ünal")},
        {kText, name.left(name.size() - 2), QStringLiteral("Zoë Ünal")},  // no final zero
        {kText, name.left(name.size() - 3), QStringLiteral("Zoë Üna")},   // odd size
        {kText, Bytes({0x41, 0, 0, 0, 0x42, 0}), QStringLiteral("A")},    // up to the zero
        {kText, QByteArray(), QString()},
        {kText, Bytes({0, 0}), QString()},
        {kExpandText, name, std::nullopt},
        {kTextList, name + Bytes({0, 0}), std::nullopt},
        {kBinary, name, std::nullopt},
        {kNumber, NumberData(7), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextFrom(c.type, c.data), c.text) << c.type << " " << c.data.toHex().data();
    }
}

TEST(RegistryValue, WrittenValuesReadBack) {
    for (std::int32_t number : {0, 5000, -1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(NumberData(number).size(), 4);
        EXPECT_EQ(NumberFrom(kNumber, NumberData(number)), number);
    }
    for (const QString& text : {QString(), QStringLiteral("A. Tarnwick"), QStringLiteral("𝔄 ✓")}) {
        EXPECT_EQ(TextData(text).size(), (text.size() + 1) * 2);
        EXPECT_EQ(TextFrom(kText, TextData(text)), text);
    }
}

}  // namespace
}  // namespace vorpin::registry
