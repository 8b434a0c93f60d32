#include "widgets/Cp1252.h"

#include <gtest/gtest.h>

using namespace cp1252::literals;

TEST(Cp1252, LiteralsBecomeSingleBytes)
{
    EXPECT_EQ("Psíquico"_cp, std::string_view("Ps\xEDquico"));
    EXPECT_EQ("FARFETCH´D"_cp, std::string_view("FARFETCH\xB4" "D"));
    EXPECT_EQ("2º Andar"_cp, std::string_view("2\xBA Andar"));
    // 0x80..0x9F are not Latin-1: the euro sign and the curly quotes live there.
    EXPECT_EQ("€“”"_cp, std::string_view("\x80\x93\x94"));
    EXPECT_EQ(""_cp, std::string_view());
}

TEST(Cp1252, RunTimeConversionRoundTrips)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(cp1252::fromUtf8(cp1252::toUtf8(all)), all);
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold)
{
    EXPECT_FALSE(cp1252::tryFromUtf8("Ω"));          // Greek capital omega
    EXPECT_FALSE(cp1252::tryFromUtf8("\xC3"));       // truncated sequence
    EXPECT_FALSE(cp1252::tryFromUtf8("a\x80z"));     // stray continuation byte
    EXPECT_THROW(cp1252::fromUtf8("日本"), std::invalid_argument);
    EXPECT_EQ(cp1252::tryFromUtf8("É"), std::string("\xC9"));
}
