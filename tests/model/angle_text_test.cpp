#include "model/AngleText.h"
#include "model/EyeModel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

namespace {

constexpr bool kHundredths = false;
constexpr bool kWholeDegrees = true;

TEST(FormatAngleTest, PrefixSignAndDegreeByte)
{
    EXPECT_EQ(FormatAngle(-1, false, kHundredths), " -0.01\xB0");
    EXPECT_EQ(FormatAngle(0, false, kHundredths), "  0.00\xB0");
    EXPECT_EQ(FormatAngle(5, false, kHundredths), "+0.05\xB0");
    EXPECT_EQ(FormatAngle(1250, false, kHundredths), "+12.50\xB0");
    EXPECT_EQ(FormatAngle(-5000, false, kHundredths), " -50.00\xB0");
}

TEST(FormatAngleTest, ShownNegated)
{
    EXPECT_EQ(FormatAngle(150, true, kHundredths), " -1.50\xB0");
    EXPECT_EQ(FormatAngle(-7, true, kHundredths), "+0.07\xB0");
    EXPECT_EQ(FormatAngle(0, true, kHundredths), "  0.00\xB0");
    EXPECT_EQ(FormatAngle(0, true, kWholeDegrees), "  0\xB0");
}

TEST(FormatAngleTest, WholeDegrees)
{
    EXPECT_EQ(FormatAngle(12, false, kWholeDegrees), "+12\xB0");
    EXPECT_EQ(FormatAngle(-5, false, kWholeDegrees), " -5\xB0");
    EXPECT_EQ(FormatAngle(50, true, kWholeDegrees), " -50\xB0");
}

TEST(FormatAngleTest, ExtremeValuesDoNotOverflow)
{
    const int lowest = std::numeric_limits<int>::min();
    EXPECT_EQ(FormatAngle(lowest, true, kHundredths), "+21474836.48\xB0");
    EXPECT_EQ(FormatAngle(lowest, false, kWholeDegrees), " -2147483648\xB0");
}

// The text must be what "%s%.2f" prints in the C locale, for every value the
// spin buttons can hold.
TEST(FormatAngleTest, MatchesPrintfOverTheWholeRange)
{
    for (int n = -5000; n <= 5000; ++n) {
        const double x = n / 100.0;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%s%.2f\xB0", x > 0 ? "+" : x < 0 ? " " : "  ", x);
        ASSERT_EQ(FormatAngle(n, false, kHundredths), expected) << n;
    }
}

TEST(ParseAngleTextTest, DecimalCommaAndTrailingText)
{
    EXPECT_EQ(ParseAngleText("1,5", kHundredths, false), 150.0f);
    EXPECT_EQ(ParseAngleText(" 2.5x", kHundredths, false), 250.0f);
    EXPECT_EQ(ParseAngleText("+3", kHundredths, false), 300.0f);
    EXPECT_EQ(ParseAngleText("\t-0,01", kHundredths, false), -1.0f);
    EXPECT_EQ(ParseAngleText("1.2.3", kHundredths, false), 120.0f);
    EXPECT_EQ(ParseAngleText(".5", kHundredths, false), 50.0f);
    EXPECT_EQ(ParseAngleText("7.", kHundredths, false), 700.0f);
}

TEST(ParseAngleTextTest, NoNumberGivesZero)
{
    for (const char* text : {"", "abc", "-", ".", "--1", "+-1", "x12", "nan", "inf", "-infinity"})
        EXPECT_EQ(ParseAngleText(text, kHundredths, false), 0.0f) << text;
    EXPECT_EQ(ParseAngleText("0x10", kHundredths, false), 0.0f);
}

TEST(ParseAngleTextTest, Exponents)
{
    EXPECT_EQ(ParseAngleText("1e2", kHundredths, false), 10000.0f);
    EXPECT_EQ(ParseAngleText("1,5E-1", kHundredths, false), 15.0f);
    EXPECT_EQ(ParseAngleText("1e", kHundredths, false), 100.0f);
    EXPECT_EQ(ParseAngleText("2e+", kHundredths, false), 200.0f);
    EXPECT_EQ(ParseAngleText("1e-999", kHundredths, false), 0.0f);
    EXPECT_EQ(ParseAngleText("0.0001e-320", kHundredths, false), 0.0f);
}

TEST(ParseAngleTextTest, HugeNumbersAreHeldAtTheLargestFloat)
{
    const float highest = std::numeric_limits<float>::max();
    EXPECT_EQ(ParseAngleText("1e999", kHundredths, false), highest);
    EXPECT_EQ(ParseAngleText("-1e999", kHundredths, false), -highest);
    EXPECT_EQ(ParseAngleText("1e38", kHundredths, false), highest);
    EXPECT_EQ(ParseAngleText(std::string(400, '9') + "e-5", kWholeDegrees, false), highest);
}

TEST(ParseAngleTextTest, NegatedAndWholeDegrees)
{
    EXPECT_EQ(ParseAngleText("1.5", kHundredths, true), -150.0f);
    EXPECT_EQ(ParseAngleText("-2", kHundredths, true), 200.0f);
    EXPECT_EQ(ParseAngleText("12,7", kWholeDegrees, false), 12.7f);

    EyeModel model;
    model.Store(400, ParseAngleText("12,7", kWholeDegrees, false), kBlendSliderFar);
    EXPECT_EQ(model.Far(Eye::one, EyeQuantity::horizontal), 12);
    model.Store(400, ParseAngleText("12.34", kHundredths, false), kBlendSliderFar);
    EXPECT_EQ(model.Far(Eye::one, EyeQuantity::horizontal), 1234);
}

// Typing back what a field shows must store the value it showed, for every
// value in range and for plain and negated quantities alike.
TEST(ParseAngleTextTest, FormattedTextStoresItsOwnValue)
{
    for (bool negated : {false, true}) {
        for (int n = -5000; n <= 5000; ++n) {
            EyeModel model;
            model.Store(400, ParseAngleText(FormatAngle(n, negated, kHundredths), kHundredths, negated),
                        kBlendSliderFar);
            ASSERT_EQ(model.Far(Eye::one, EyeQuantity::horizontal), n) << n << (negated ? " negated" : "");
        }
    }
}

TEST(TorsionLabelTest, LabelFollowsTheShownSign)
{
    EXPECT_EQ(TorsionLabelString(Eye::one, 0), 82);
    EXPECT_EQ(TorsionLabelString(Eye::one, 5), 83);
    EXPECT_EQ(TorsionLabelString(Eye::one, -5), 84);
    EXPECT_EQ(TorsionLabelString(Eye::two, 0), 82);
    EXPECT_EQ(TorsionLabelString(Eye::two, 5), 84);
    EXPECT_EQ(TorsionLabelString(Eye::two, -5), 83);
}

}  // namespace
