#include "playback/PlaybackTexts.h"
#include "playback/Recording.h"

#include <gtest/gtest.h>

#include <vector>

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
    // The language's decimal mark goes into the number only, the fallback's too.
    EXPECT_EQ(TimeText("t = %.3f s.", 1250, 0, ","), "t = 1,250 s.");
    EXPECT_EQ(TimeText("%%%.1f%%", 1250, 3, ","), "%1,250%");
    EXPECT_EQ(TimeText("%d ms", 20, 0, ","), "0,020");
}

TEST(PlaybackTexts, TimeTextShowsTheRecordingsResolution)
{
    const auto recording = [](std::vector<std::int32_t> times) {
        std::vector<std::int32_t> samples;
        for (std::int32_t time : times)
            samples.insert(samples.end(), {time, 0});
        return Recording({}, 2, samples);
    };
    EXPECT_EQ(TimeDecimals(recording({0, 4, 8})), 3);    // 250 Hz
    EXPECT_EQ(TimeDecimals(recording({0, 10, 20})), 2);  // 100 Hz
    EXPECT_EQ(TimeDecimals(recording({10000, 10500})), 1);
    EXPECT_EQ(TimeDecimals(recording({10005, 10025})), 3);  // the start needs milliseconds
    EXPECT_EQ(TimeDecimals(recording({0, 1000})), 0);
    EXPECT_EQ(TimeDecimals(recording({0})), 0);

    // One 4 ms step changes the text; a language format with more decimals keeps them.
    EXPECT_EQ(TimeText("t = %.2f s", 1004, 3), "t = 1.004 s");
    EXPECT_EQ(TimeText("t = %.2f s", 1000, 0), "t = 1.00 s");
    EXPECT_EQ(TimeText("%5.1f%% s", 8, 3), "0.008% s");
    EXPECT_EQ(TimeText("%%%f", 8, 3), "%0.008000");
    EXPECT_EQ(TimeText("%%f %.1f", 1250, 3), "%f 1.250");  // a letter after "%%" is text
    EXPECT_EQ(TimeText("%d ms", 20, 3), "0.020");
}
