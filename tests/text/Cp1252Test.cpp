#include "text/Cp1252.h"

#include <gtest/gtest.h>

using namespace cp1252::literals;

TEST(Cp1252, LiteralsBecomeSingleBytes)
{
    EXPECT_EQ("Psíquico"_cp, std::string_view("Ps\xEDquico"));
    EXPECT_EQ("FARFETCH´D"_cp, std::string_view("FARFETCH\xB4"
                                                "D"));
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

// 0x80..0x9F against the code page as published, not against our own table
// (a round trip cannot see two entries swapped). The five bytes the code page
// leaves undefined pass through as the C1 control of the same value, so no
// byte is lost on the way to a widget and back.
TEST(Cp1252, HighControlRangeMatchesThePublishedCodePage)
{
    struct Row {
        unsigned char byte;
        char32_t unicode;
        const char* utf8;
    };
    static const Row rows[32] = {
        {0x80, 0x20AC, "\xE2\x82\xAC"}, // euro sign
        {0x81, 0x0081, "\xC2\x81"},     // undefined
        {0x82, 0x201A, "\xE2\x80\x9A"}, // single low-9 quotation mark
        {0x83, 0x0192, "\xC6\x92"},     // f with hook
        {0x84, 0x201E, "\xE2\x80\x9E"}, // double low-9 quotation mark
        {0x85, 0x2026, "\xE2\x80\xA6"}, // ellipsis
        {0x86, 0x2020, "\xE2\x80\xA0"}, // dagger
        {0x87, 0x2021, "\xE2\x80\xA1"}, // double dagger
        {0x88, 0x02C6, "\xCB\x86"},     // modifier circumflex
        {0x89, 0x2030, "\xE2\x80\xB0"}, // per mille
        {0x8A, 0x0160, "\xC5\xA0"},     // S caron
        {0x8B, 0x2039, "\xE2\x80\xB9"}, // single left angle quotation mark
        {0x8C, 0x0152, "\xC5\x92"},     // OE
        {0x8D, 0x008D, "\xC2\x8D"},     // undefined
        {0x8E, 0x017D, "\xC5\xBD"},     // Z caron
        {0x8F, 0x008F, "\xC2\x8F"},     // undefined
        {0x90, 0x0090, "\xC2\x90"},     // undefined
        {0x91, 0x2018, "\xE2\x80\x98"}, // left single quotation mark
        {0x92, 0x2019, "\xE2\x80\x99"}, // right single quotation mark
        {0x93, 0x201C, "\xE2\x80\x9C"}, // left double quotation mark
        {0x94, 0x201D, "\xE2\x80\x9D"}, // right double quotation mark
        {0x95, 0x2022, "\xE2\x80\xA2"}, // bullet
        {0x96, 0x2013, "\xE2\x80\x93"}, // en dash
        {0x97, 0x2014, "\xE2\x80\x94"}, // em dash
        {0x98, 0x02DC, "\xCB\x9C"},     // small tilde
        {0x99, 0x2122, "\xE2\x84\xA2"}, // trade mark
        {0x9A, 0x0161, "\xC5\xA1"},     // s caron
        {0x9B, 0x203A, "\xE2\x80\xBA"}, // single right angle quotation mark
        {0x9C, 0x0153, "\xC5\x93"},     // oe
        {0x9D, 0x009D, "\xC2\x9D"},     // undefined
        {0x9E, 0x017E, "\xC5\xBE"},     // z caron
        {0x9F, 0x0178, "\xC5\xB8"},     // Y diaeresis
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << int(r.byte));
        EXPECT_EQ(cp1252::toUnicode(r.byte), r.unicode);
        EXPECT_EQ(cp1252::fromUnicode(r.unicode), r.byte);
        const std::string byte(1, static_cast<char>(r.byte));
        EXPECT_EQ(cp1252::toUtf8(byte), r.utf8);
        EXPECT_EQ(cp1252::tryFromUtf8(r.utf8), byte);
    }
    // The Latin-1 meanings of the defined bytes are not theirs.
    EXPECT_FALSE(cp1252::fromUnicode(0x0080));
    EXPECT_FALSE(cp1252::fromUnicode(0x0091));
    EXPECT_FALSE(cp1252::tryFromUtf8("\xC2\x92"));
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold)
{
    EXPECT_FALSE(cp1252::tryFromUtf8("Ω"));      // Greek capital omega
    EXPECT_FALSE(cp1252::tryFromUtf8("\xC3"));   // truncated sequence
    EXPECT_FALSE(cp1252::tryFromUtf8("a\x80z")); // stray continuation byte
    EXPECT_THROW(cp1252::fromUtf8("日本"), std::invalid_argument);
    EXPECT_EQ(cp1252::tryFromUtf8("É"), std::string("\xC9"));
}

TEST(Cp1252, SortKeysIgnoreCaseAndAccents)
{
    using cp1252::fromUtf8;
    using cp1252::sortKey;
    EXPECT_EQ(sortKey(fromUtf8("Água")), "agua");
    EXPECT_EQ(sortKey(fromUtf8("Elétrico")), "eletrico");
    EXPECT_EQ(sortKey(fromUtf8("PSÍQUICO")), "psiquico");
    EXPECT_LT(sortKey(fromUtf8("Água")), sortKey("Bicho")); // not after every plain letter
    EXPECT_LT(sortKey(fromUtf8("Ébano")), sortKey("fogo"));
}
