// The guide's one way of writing numbers.
#include "text/Numbers.h"

#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Numbers, ThousandsPercentagesAndPrices)
{
    EXPECT_EQ(numbers::Thousands(0), "0");
    EXPECT_EQ(numbers::Thousands(999), "999");
    EXPECT_EQ(numbers::Thousands(1000), "1.000");
    EXPECT_EQ(numbers::Thousands(1234567), "1.234.567");
    EXPECT_EQ(numbers::Thousands(-65535), "-65.535");

    EXPECT_EQ(numbers::Percent(43, 150), "28,7");
    EXPECT_EQ(numbers::Percent(2, 3), "66,7");
    EXPECT_EQ(numbers::Percent(1, 2000), "0,1"); // 0.05 rounds up
    EXPECT_EQ(numbers::Percent(4995, 100), "4.995,0");
    EXPECT_EQ(numbers::Percent(0, 7), "0,0");
    EXPECT_EQ(numbers::Percent(0.0625), "6,3");
    EXPECT_EQ(numbers::Percent(255.0 / 256), "99,6");
    EXPECT_EQ(numbers::Percent(1.0), "100,0");
    EXPECT_THROW(numbers::Percent(1, 0), std::invalid_argument);

    // The shops' lists keep their English prices; the guide's own notes say
    // the games' money the Portuguese way.
    EXPECT_EQ(numbers::Dollars(100), "$100");
    EXPECT_EQ(numbers::Dollars(9800), "$9,800");
    EXPECT_EQ(numbers::Dollars(1234567), "$1,234,567");
    EXPECT_EQ(numbers::Yen(1000), cp1252::fromUtf8("¥1.000"));
}
