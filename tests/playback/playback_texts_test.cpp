#include "playback/PlaybackTexts.h"

#include <gtest/gtest.h>

TEST(PlaybackTexts, QualityLabelIsWholePercentInFiveCharacters)
{
    EXPECT_EQ(QualityLabel(987), "   98%");
    EXPECT_EQ(QualityLabel(1000), "  100%");
    EXPECT_EQ(QualityLabel(9), "    0%");
    EXPECT_EQ(QualityLabel(-19), "   -1%");
}

TEST(PlaybackTexts, TimeTextUsesTheLanguageFormatOnlyWhenItIsSafe)
{
    EXPECT_EQ(TimeText("Zeit: %.3f s", 20), "Zeit: 0.020 s");
    EXPECT_EQ(TimeText("%6.2f%%", 5010), "  5.01%");
    EXPECT_EQ(TimeText("%d ms", 20), "0.020");
    EXPECT_EQ(TimeText("%s", 1500), "1.500");
    EXPECT_EQ(TimeText("%f %f", 1500), "1.500");
    EXPECT_EQ(TimeText("no number", -40), "-0.040");
}
