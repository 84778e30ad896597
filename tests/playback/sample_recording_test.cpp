// The sample recording that ships with the program opens in both layouts.
#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"

#include <gtest/gtest.h>

namespace {

Recording ReadShipped(const std::string& name)
{
    Recording recording;
    const RecordingReadResult result =
        ReadRecordingFile(std::string(SQUINX_DATA_DIR) + "/recordings/" + name, recording);
    EXPECT_TRUE(result.Succeeded()) << name << ": " << DescribeRecordingError(result.error) << " line " << result.line;
    return recording;
}

}  // namespace

TEST(SampleRecording, DeviceExportAndOwnLayoutHoldTheSameMinute)
{
    const Recording exported = ReadShipped("sample.txt");
    const Recording own = ReadShipped("sample.stx");
    ASSERT_GE(exported.RowCount(), 15000u);  // 60 s at 250 Hz
    EXPECT_EQ(exported.Columns(), 14u);
    EXPECT_EQ(own.Samples(), exported.Samples());
    const std::int32_t last = exported.Value(exported.RowCount() - 1, 0);
    EXPECT_GE(last, 59'990);
}

TEST(SampleRecording, HasStretchesOfPoorQualityToBridge)
{
    const Recording recording = ReadShipped("sample.stx");
    std::size_t weak = 0;
    for (std::size_t row = 0; row < recording.RowCount(); ++row)
        if (recording.Value(row, 6) < 500 || recording.Value(row, 13) < 500)
            ++weak;
    EXPECT_GT(weak, 100u);
    EXPECT_LT(weak, recording.RowCount() / 4);

    RecordingPlayer player;
    ASSERT_TRUE(player.Load(recording));
    player.SetQualityThreshold(0.5f);
    ShownSample shown;
    bool anyInterpolated = false;
    for (std::size_t row = 0; row < player.RowCount() && !anyInterpolated; ++row)
        anyInterpolated = player.Show(row, false, shown) && shown.eyes[0].interpolated;
    EXPECT_TRUE(anyInterpolated);
}
