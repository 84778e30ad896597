#include "playback/PlaybackSpeed.h"
#include "playback/TraceFigure.h"
#include "playback/TraceLevels.h"
#include "playback/TraceSource.h"
#include "playback/TraceWindow.h"

#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

// Rows of random values, read through a reader as the panel reads a recording.
struct RandomRows {
    explicit RandomRows(std::size_t rows, unsigned seed)
    {
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> angle(-40.0f, 40.0f);
        values.resize(rows);
        for (TraceRow& row : values)
            for (float& value : row)
                value = angle(random);
    }
    TraceRowReader Reader() const
    {
        return [this](std::size_t row, TraceRow& out) { out = values[row]; };
    }
    TraceRanges Scan(std::size_t first, std::size_t end) const
    {
        TraceRanges ranges = EmptyTraceRanges();
        for (std::size_t row = first; row < end; ++row)
            for (std::size_t c = 0; c < kTraceChannelCount; ++c) {
                ranges[c].min = std::min(ranges[c].min, values[row][c]);
                ranges[c].max = std::max(ranges[c].max, values[row][c]);
            }
        return ranges;
    }
    std::vector<TraceRow> values;
};

TEST(TraceLevels, RangesEqualAPlainScanOfTheRows)
{
    std::mt19937 random(7);
    for (std::size_t rows : {1u, 7u, 8u, 9u, 511u, 4097u, 40000u}) {
        const RandomRows data(rows, static_cast<unsigned>(rows));
        TraceLevels levels;
        levels.Build(rows, data.Reader());
        ASSERT_EQ(levels.RowCount(), rows);
        std::uniform_int_distribution<std::size_t> pick(0, rows);
        for (int trial = 0; trial < 300; ++trial) {
            const std::size_t a = trial == 0 ? 0 : pick(random);
            const std::size_t b = trial == 0 ? rows : pick(random);
            const std::size_t first = std::min(a, b);
            const std::size_t end = std::max(a, b);
            if (first == end)
                continue;
            const TraceRanges expected = data.Scan(first, end);
            const TraceRanges found = levels.RangeOf(first, end, data.Reader());
            for (std::size_t c = 0; c < kTraceChannelCount; ++c) {
                ASSERT_EQ(found[c].min, expected[c].min) << rows << " rows, " << first << ".." << end << ", " << c;
                ASSERT_EQ(found[c].max, expected[c].max) << rows << " rows, " << first << ".." << end << ", " << c;
            }
        }
    }
}

TEST(TraceWindow, ClicksZoomAndPlaybackMapToTheRightRows)
{
    TraceWindow window;
    window.Reset(100000, 250.0);
    window.SetWidth(1000);
    EXPECT_TRUE(window.ShowsAll());
    EXPECT_EQ(window.RowAt(0), 0u);
    EXPECT_EQ(window.RowAt(250.5), 25050u);
    EXPECT_EQ(window.RowAt(5000), 99999u);  // beyond the edge: the last row
    EXPECT_NEAR(window.XOfRow(25050), 250.505, 1e-9);

    // The time under the pointer stays where it is while zooming in and out.
    for (const double visible : {40000.0, 3000.0, 300.0, 90000.0}) {
        const double before = window.FirstRow() + 321.0 * window.RowsPerPixel();
        window.ZoomAt(321.0, visible);
        EXPECT_DOUBLE_EQ(window.VisibleRows(), visible);
        EXPECT_NEAR(window.FirstRow() + 321.0 * window.RowsPerPixel(), before, 1e-6) << visible;
    }
    // About one second at the least, the whole recording at the most, never past either end.
    window.ZoomAt(10.0, 2.0);
    EXPECT_DOUBLE_EQ(window.VisibleRows(), 250.0);
    window.ZoomAt(990.0, 1e9);
    EXPECT_TRUE(window.ShowsAll());
    EXPECT_DOUBLE_EQ(window.FirstRow(), 0.0);
    window.ZoomAt(999.0, 1000.0);
    window.ZoomAt(999.0, 500.0);
    EXPECT_LE(window.FirstRow() + window.VisibleRows(), 100000.0);

    // Playback turns a page when the row leaves the view.
    window.ZoomAt(0.0, 1000.0);
    window.Follow(0);
    window.Follow(500);
    EXPECT_DOUBLE_EQ(window.FirstRow(), 0.0);
    window.Follow(1000);
    EXPECT_DOUBLE_EQ(window.FirstRow(), 900.0);
    window.Follow(900);  // the first and the last row shown stay in view
    window.Follow(1899);
    EXPECT_DOUBLE_EQ(window.FirstRow(), 900.0);
    window.Follow(99999);
    EXPECT_DOUBLE_EQ(window.FirstRow(), 99000.0);
}

// A long recording, flat but for a step out and back and a weak stretch.
RecordingPlayer SpikedPlayer(std::size_t rows, std::size_t stepFrom, std::size_t stepTo, std::size_t weakFrom,
                             std::size_t weakTo)
{
    std::vector<std::vector<std::int32_t>> table(rows, std::vector<std::int32_t>(14, 0));
    for (std::size_t row = 0; row < rows; ++row) {
        table[row][0] = static_cast<std::int32_t>(row * 4);
        table[row][10] = -2000;  // eye 1 horizontal +2°
        table[row][13] = table[row][6] = 1000;
    }
    for (std::size_t row = stepFrom; row < stepTo; ++row) {
        table[row][10] = -30000;  // eye 1 horizontal +30°
        table[row][4] = 12000;    // eye 2 vertical -12°
    }
    for (std::size_t row = weakFrom; row < weakTo; ++row) {
        table[row][6] = 0;      // eye 2 weak ...
        table[row][3] = 90000;  // ... with a value playback never shows
    }
    RecordingPlayer player;
    EXPECT_TRUE(player.Load(MakeRecording(table)));
    player.SetQualityThreshold(0.5f);
    return player;
}

TEST(TraceFigure, EveryPeakAndWeakStretchReachesThePicture)
{
    // The step fills pixel column 727 of a whole view 1000 pixels wide.
    const RecordingPlayer player = SpikedPlayer(900000, 654300, 655200, 300000, 300600);
    EXPECT_DOUBLE_EQ(MillisecondsPerRow(player.GetRecording()), 4.0);
    EXPECT_DOUBLE_EQ(SecondsFromStart(player.GetRecording(), 250), 1.0);
    // A recording counts from its first row; one without a time span takes a millisecond a row.
    const Recording late({}, 2, {1000, 0, 1500, 0, 2000, 0});
    EXPECT_DOUBLE_EQ(SecondsFromStart(late, 2), 1.0);
    EXPECT_DOUBLE_EQ(MillisecondsPerRow(late), 500.0);
    EXPECT_DOUBLE_EQ(MillisecondsPerRow(Recording({}, 2, {1000, 0, 1000, 0})), 1.0);
    TraceRow row;
    ReadTraceRow(player, 654321, row);
    EXPECT_FLOAT_EQ(row[kEyeOneHorizontal], 30.0f);
    EXPECT_FLOAT_EQ(row[kEyeTwoVertical], -12.0f);
    ReadTraceRow(player, 300100, row);
    EXPECT_FLOAT_EQ(row[kEyeTwoHorizontal], 0.0f);  // bridged, not the weak row's own value
    EXPECT_EQ(row[kEyeTwoWeak], 1.0f);
    EXPECT_EQ(row[kEyeOneWeak], 0.0f);

    TraceLevels levels;
    levels.Build(player.RowCount(), TraceReaderOf(player));
    const TraceRanges all = levels.RangeOf(0, player.RowCount(), TraceReaderOf(player));
    double step = 0;
    const TraceScale scale = ScaleFor(all, false, 101, 5, step);
    EXPECT_EQ(step, 10.0);
    // Steps of 1, 2 or 5 times a power of ten, the smallest that is at least the span's share.
    EXPECT_EQ(NiceStep(10, 5), 2.0);
    EXPECT_EQ(NiceStep(12, 5), 5.0);
    EXPECT_EQ(NiceStep(55, 5), 20.0);
    EXPECT_EQ(scale.top, 30.0);
    EXPECT_EQ(scale.bottom, -20.0);
    EXPECT_EQ(scale.YOf(30.0), 0);
    EXPECT_EQ(scale.YOf(-20.0), 100);

    TraceWindow window;
    window.Reset(player.RowCount(), 250.0);
    window.SetWidth(1000);
    const TraceFigure whole = LayOutTrace(levels, TraceReaderOf(player), window, scale, false);
    EXPECT_TRUE(whole.bars[kEyeOneTorsion].empty());
    ASSERT_EQ(whole.bars[kEyeOneHorizontal].size(), 1000u);
    EXPECT_TRUE(whole.lines[kEyeOneHorizontal].empty());
    // The columns on both sides of the step reach each other, so the line
    // has no gaps; the column after that is flat again.
    const TraceBar* around = &whole.bars[kEyeOneHorizontal][726];
    EXPECT_EQ(around[0].top, around[0].bottom);
    for (const TraceBar& reaching : {around[1], around[2]}) {
        EXPECT_EQ(reaching.top, scale.YOf(30.0));
        EXPECT_EQ(reaching.bottom, scale.YOf(2.0));
    }
    EXPECT_EQ(around[3].top, around[3].bottom);
    for (const TraceBar& bar : whole.bars[kEyeTwoHorizontal])
        EXPECT_EQ(bar.top, scale.YOf(0.0));
    ASSERT_EQ(whole.weakSpans.size(), 1u);
    EXPECT_EQ(whole.weakSpans[0].begin, 333);
    EXPECT_FALSE(whole.weakSpans[0].whole);  // 600 weak rows among the 900 of the column

    // Zoomed to one second at the end of the weak stretch: one point per row,
    // the bridged rows in a run of their own that joins the next.
    window.ZoomAt(0.0, 250.0);
    window.Follow(300500);
    const TraceFigure near = LayOutTrace(levels, TraceReaderOf(player), window, scale, true);
    const auto& runs = near.lines[kEyeTwoHorizontal];
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].interpolated);
    EXPECT_FALSE(runs[1].interpolated);
    EXPECT_EQ(runs[0].points.back().x, runs[1].points.front().x);
    EXPECT_EQ(near.lines[kEyeOneTorsion].size(), 1u);
    // Torsion left out draws the other lines only.
    const TraceFigure nearFlat = LayOutTrace(levels, TraceReaderOf(player), window, scale, false);
    EXPECT_TRUE(nearFlat.lines[kEyeOneTorsion].empty());
    EXPECT_EQ(nearFlat.lines[kEyeTwoHorizontal].size(), 2u);
    // At the recording's end its last row is drawn too.
    window.Follow(player.RowCount() - 1);
    const TraceFigure atEnd = LayOutTrace(levels, TraceReaderOf(player), window, scale, false);
    const auto& endRuns = atEnd.lines[kEyeOneHorizontal];
    ASSERT_FALSE(endRuns.empty());
    EXPECT_EQ(endRuns.back().points.back().x, std::lround(window.XOfRow(player.RowCount() - 1)));
    ASSERT_EQ(near.weakSpans.size(), 1u);
    EXPECT_EQ(near.weakSpans[0].begin, 0);
    EXPECT_TRUE(near.weakSpans[0].whole);
}

TEST(PlaybackSpeed, RecordingTimeFollowsTheWallClockTimesTheSpeed)
{
    EXPECT_EQ(RecordingTimeAfter(500, 1000, kRealTimeEighths), 1500);
    EXPECT_EQ(RecordingTimeAfter(0, 1000, kNormalSpeedEighths), 2000);  // twice as fast as recorded
    EXPECT_EQ(RecordingTimeAfter(0, 1000, 1), 250);
    EXPECT_EQ(RecordingTimeAfter(0, 1000, 16), 4000);
    EXPECT_EQ(RecordingTimeAfter(700, -50, 16), 700);  // a clock set back does not rewind
    EXPECT_EQ(RecordingTimeAfter(0, std::int64_t{1} << 40, 16), std::int64_t{1} << 42);
    EXPECT_TRUE(IsPlaybackSpeed(4));
    EXPECT_FALSE(IsPlaybackSpeed(3));
    EXPECT_STREQ(SpeedLabel(1), "1/4\xC3\x97");
    EXPECT_STREQ(SpeedLabel(2), "1/2\xC3\x97");
    EXPECT_STREQ(SpeedLabel(kRealTimeEighths), "1\xC3\x97");
    EXPECT_STREQ(SpeedLabel(kNormalSpeedEighths), "2\xC3\x97");
    EXPECT_STREQ(SpeedLabel(16), "4\xC3\x97");
}

TEST(PlaybackSpeed, RowDueIsTheLastOneWhoseTimeHasCome)
{
    std::vector<std::int32_t> samples;
    for (std::int32_t time : {0, 4, 8, 12, 100, 104})
        samples.insert(samples.end(), {time, 0});
    const Recording recording({}, 2, samples);
    EXPECT_EQ(RowDueAt(recording, 0, 3), 0u);
    EXPECT_EQ(RowDueAt(recording, 0, 4), 1u);
    EXPECT_EQ(RowDueAt(recording, 1, 11), 2u);
    EXPECT_EQ(RowDueAt(recording, 2, 99), 3u);  // a gap in the recording is waited out
    EXPECT_EQ(RowDueAt(recording, 3, 5000), 5u);
    EXPECT_EQ(RowDueAt(recording, 5, 5000), 5u);
}

}  // namespace
