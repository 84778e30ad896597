#include "playback/DisplayOptionValues.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

TEST(ParseThreshold, CommaOrPointLeadingNumberAndNoNumber)
{
    EXPECT_DOUBLE_EQ(ParseThreshold("0,75"), 0.75);
    EXPECT_DOUBLE_EQ(ParseThreshold("0.75"), 0.75);
    EXPECT_DOUBLE_EQ(ParseThreshold(" .5 rows"), 0.5);
    EXPECT_DOUBLE_EQ(ParseThreshold("0,2,5"), 0.2);
    EXPECT_DOUBLE_EQ(ParseThreshold("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseThreshold(""), 0.0);
}

TEST(ParseThreshold, ValuesOutsideTheFractionAreHeldAtItsEnds)
{
    EXPECT_DOUBLE_EQ(ParseThreshold("-0,3"), 0.0);
    EXPECT_DOUBLE_EQ(ParseThreshold("7"), 1.0);
    EXPECT_DOUBLE_EQ(ParseThreshold("1e999"), 1.0);
    EXPECT_DOUBLE_EQ(ParseThreshold("-1e999"), 0.0);
    EXPECT_DOUBLE_EQ(ClampThreshold(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_DOUBLE_EQ(ClampThreshold(1.0), 1.0);
}

TEST(FormatThreshold, TwoDecimalsWithAPointInAnyLocale)
{
    EXPECT_EQ(FormatThreshold(0), "0.00");
    EXPECT_EQ(FormatThreshold(0.75), "0.75");
    EXPECT_EQ(FormatThreshold(0.5f), "0.50");
    EXPECT_EQ(FormatThreshold(1), "1.00");
    EXPECT_EQ(FormatThreshold(0.333), "0.33");
    EXPECT_EQ(FormatThreshold(0.999), "1.00");
    EXPECT_EQ(FormatThreshold(12.5), "1.00");
    EXPECT_EQ(FormatThreshold(std::numeric_limits<double>::infinity()), "1.00");
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(FormatThreshold(0.25), "0.25");
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(AlphaSlider, EveryPositionSurvivesTheTripThroughTheAlpha)
{
    for (int value = 0; value <= 100; ++value)
        EXPECT_EQ(AlphaToSliderValue(SliderValueToAlpha(value)), value) << value;
    EXPECT_EQ(SliderValueToAlpha(0), 0.0f);
    EXPECT_EQ(SliderValueToAlpha(100), 1.0f);
}

TEST(AlphaSlider, OtherAlphasAreTruncatedAndHeldInRange)
{
    EXPECT_EQ(AlphaToSliderValue(0.2f), 20);
    EXPECT_EQ(AlphaToSliderValue(0.257f), 25);
    EXPECT_EQ(AlphaToSliderValue(0.999f), 99);
    EXPECT_EQ(AlphaToSliderValue(-0.5f), 0);
    EXPECT_EQ(AlphaToSliderValue(3.0f), 100);
    EXPECT_EQ(AlphaToSliderValue(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(AlphaToSliderValue(std::numeric_limits<float>::infinity()), 100);
}
