#include "playback/DecimalField.h"
#include "playback/FieldFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::int32_t ReadField(const std::string& field, bool negate = false)
{
    return ScaleToThousandths(ParseDecimalPrefix(field.data(), field.data() + field.size()), negate);
}

// What the C library makes of the field once its commas are points.
// A field without a number reads as 0, whatever sign a C library leaves on it.
double LibraryValue(std::string field)
{
    std::replace(field.begin(), field.end(), ',', '.');
    char* end = nullptr;
    const double value = std::strtod(field.c_str(), &end);
    return end == field.c_str() ? 0.0 : value;
}

std::string Printed(const char* format, std::int64_t value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(static_cast<float>(value) * 0.001f));
    std::string result(text);
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

std::string TimeField(std::int64_t value)
{
    char text[kMaxFieldLength];
    return std::string(text, FormatTimeField(value, text));
}

std::string ValueField(std::int64_t value)
{
    char text[kMaxFieldLength];
    return std::string(text, FormatValueField(value, text));
}

}  // namespace

TEST(DecimalField, ReadsCommaAndPointAlikeAndTruncatesTowardZero)
{
    EXPECT_EQ(ReadField("1,2345"), 1234);
    EXPECT_EQ(ReadField("1.2345"), 1234);
    EXPECT_EQ(ReadField("-0,0005"), 0);
    EXPECT_EQ(ReadField("-1,9999"), -1999);
    EXPECT_EQ(ReadField("0,020"), 20);
    EXPECT_EQ(ReadField("0,033"), 33);
    EXPECT_EQ(ReadField("2,5", true), -2500);
}

TEST(DecimalField, TakesTheLeadingNumberLikeAtof)
{
    EXPECT_EQ(ReadField("12abc"), 12000);
    EXPECT_EQ(ReadField("abc"), 0);
    EXPECT_EQ(ReadField(""), 0);
    EXPECT_EQ(ReadField("-"), 0);
    EXPECT_EQ(ReadField("."), 0);
    EXPECT_EQ(ReadField("  7\r\n"), 7000);
    EXPECT_EQ(ReadField("\r\n"), 0);
    EXPECT_EQ(ReadField("+,5"), 500);
    EXPECT_EQ(ReadField("-.25"), -250);
    EXPECT_EQ(ReadField("3."), 3000);
    EXPECT_EQ(ReadField("1,5,7"), 1500);
    EXPECT_EQ(ReadField("1e2"), 100000);
    EXPECT_EQ(ReadField("1,5E-1"), 150);
    EXPECT_EQ(ReadField("2e"), 2000);
    EXPECT_EQ(ReadField("2e+x"), 2000);
    // Only decimal notation: the library would read these as 16, inf and nan.
    EXPECT_EQ(ReadField("0x10"), 0);
    EXPECT_EQ(ReadField("inf"), 0);
    EXPECT_EQ(ReadField("nan"), 0);
}

TEST(DecimalField, StopsAtTheFieldEnd)
{
    const std::string line = "1,5\t2,5";
    EXPECT_EQ(ParseDecimalPrefix(line.data(), line.data() + 2), 1.0);
    EXPECT_EQ(ParseDecimalPrefix(line.data(), line.data() + 1), 1.0);
    const std::string padded = "0000000000000000000000001,25";  // leading zeros are no digits of the value
    EXPECT_EQ(ParseDecimalPrefix(padded.data(), padded.data() + padded.size()), 1.25);
    // TAB ends a field, so it is not skipped as white space.
    const std::string tabbed = "\t9";
    EXPECT_EQ(ParseDecimalPrefix(tabbed.data(), tabbed.data() + tabbed.size()), 0.0);
}

TEST(DecimalField, ClampsValuesBeyondTheIntRange)
{
    EXPECT_EQ(ReadField("1e30"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ReadField("-1e30"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ReadField("1e999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ReadField("1e-999999999999"), 0);
    EXPECT_EQ(ReadField("2147483,647"), 2147483647);
    EXPECT_EQ(ReadField("2147483,648"), 2147483647);
    EXPECT_EQ(ReadField("-2147483,648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(DecimalField, GivesExactlyTheLibrarysDouble)
{
    std::mt19937 random(7);
    const auto digits = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + random() % 10);
        return text;
    };
    for (int i = 0; i < 200000; ++i) {
        std::string field;
        if (random() % 4 == 0)
            field += random() % 2 ? "-" : "+";
        field += digits(static_cast<int>(random() % (i % 10 == 0 ? 30 : 8)));
        if (random() % 3 != 0)
            field += random() % 2 ? "," : ".";
        field += digits(static_cast<int>(random() % (i % 10 == 1 ? 30 : 7)));
        if (random() % 8 == 0)
            field += "e" + std::to_string(static_cast<int>(random() % 80) - 40);
        const double expected = LibraryValue(field);
        const double actual = ParseDecimalPrefix(field.data(), field.data() + field.size());
        ASSERT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << field;
    }
}

TEST(FieldFormat, WritesTheSpecialCases)
{
    EXPECT_EQ(ValueField(0), "0");
    EXPECT_EQ(ValueField(1234), "1,23");
    EXPECT_EQ(ValueField(-500), "-0,50");
    EXPECT_EQ(ValueField(-1), "-0,00");
    EXPECT_EQ(TimeField(20), "0,020");
    EXPECT_EQ(TimeField(0), "0,000");
    EXPECT_EQ(TimeField(3599996), "3599,996");
    // 125 × 0.001f is exactly 0.125 in single precision; printf rounds that tie to even.
    EXPECT_EQ(ValueField(125), "0,12");
    EXPECT_EQ(ValueField(-std::int64_t{std::numeric_limits<std::int32_t>::min()}), "2147483,75");
}

TEST(FieldFormat, ValuesMatchPrintfOfTheSinglePrecisionProductAndTimesAreExact)
{
    const auto exactTime = [](std::int64_t value) {
        const std::int64_t magnitude = value < 0 ? -value : value;
        char text[32];
        std::snprintf(text, sizeof text, "%s%lld,%03lld", value < 0 ? "-" : "",
                      static_cast<long long>(magnitude / 1000), static_cast<long long>(magnitude % 1000));
        return std::string(text);
    };
    const auto check = [&](std::int64_t value) {
        ASSERT_EQ(TimeField(value), exactTime(value)) << value;
        if (value != 0) {
            ASSERT_EQ(ValueField(value), Printed("%.2f", value)) << value;
        }
    };
    for (std::int64_t value = -300000; value <= 300000; ++value)
        check(value);
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int64_t> any(std::numeric_limits<std::int32_t>::min(),
                                                    -std::int64_t{std::numeric_limits<std::int32_t>::min()});
    for (int i = 0; i < 300000; ++i)
        check(any(random));
    // Where single precision still holds every millisecond, the device's
    // rounding and the exact text agree, so device exports keep their bytes.
    for (std::int64_t value = 5380000; value < 5386937; ++value)
        ASSERT_EQ(TimeField(value), Printed("%.3f", value)) << value;
    EXPECT_EQ(TimeField(20000001), "20000,001");
    EXPECT_EQ(TimeField(2147483647), "2147483,647");
    EXPECT_EQ(TimeField(-std::int64_t{std::numeric_limits<std::int32_t>::min()}), "2147483,648");
}
