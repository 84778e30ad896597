#include "playback/DecimalField.h"
#include "playback/GoodRowIndex.h"
#include "playback/RecordingPlayer.h"

#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr std::size_t kEyeOne = 0;
constexpr std::size_t kEyeTwo = 1;

// A row whose six angle columns all hold angle.
std::vector<std::int32_t> RowOf(std::int32_t angle, std::int32_t qualityOne, std::int32_t qualityTwo)
{
    std::vector<std::int32_t> row(14, 0);
    for (unsigned column : {3u, 4u, 5u, 10u, 11u, 12u})
        row[column] = angle;
    row[kEyeOneColumns.quality] = qualityOne;
    row[kEyeTwoColumns.quality] = qualityTwo;
    return row;
}

RecordingPlayer PlayerFor(const std::vector<std::vector<std::int32_t>>& rows, float threshold)
{
    RecordingPlayer player;
    EXPECT_TRUE(player.Load(MakeRecording(rows)));
    player.SetQualityThreshold(threshold);
    return player;
}

ShownSample ShowRow(const RecordingPlayer& player, std::size_t row, bool wholeDegrees = false)
{
    ShownSample shown;
    EXPECT_TRUE(player.Show(row, wholeDegrees, shown));
    return shown;
}

// The shown angle of an eye in stored units, sign undone.
double StoredAngle(const ShownSample& shown, std::size_t eye, std::size_t quantity)
{
    const EyeColumns& columns = eye == kEyeOne ? kEyeOneColumns : kEyeTwoColumns;
    return shown.eyes[eye].angles[quantity] * columns.sign[quantity] * StoredPerModelUnit(false);
}

// The neighbour search of the playback rules, row by row outward from b.
GoodRowIndex::Neighbours SearchOutward(const Recording& recording, unsigned qualityColumn, std::int32_t limit,
                                       std::size_t b)
{
    const std::size_t last = recording.RowCount() - 1;
    std::size_t p = b;
    while (p > 0) {
        --p;
        if (p == 0 || recording.Value(p, qualityColumn) >= limit)
            break;
    }
    std::size_t f = b;
    while (f < last) {
        ++f;
        if (f == last || recording.Value(f, qualityColumn) >= limit)
            break;
    }
    if (p == 0 && recording.Value(0, qualityColumn) < limit)
        p = f;
    else if (f == last && recording.Value(last, qualityColumn) < limit)
        f = p;
    return {p, f};
}

// The repair rule applied literally: every row in order, searching outward
// in the partly repaired recording.
void RepairBySearch(Recording& recording, std::int32_t limit)
{
    for (std::size_t b = 0; b < recording.RowCount(); ++b) {
        for (const EyeColumns* columns : {&kEyeOneColumns, &kEyeTwoColumns}) {
            if (recording.Value(b, columns->quality) < limit) {
                const auto [p, f] = SearchOutward(recording, columns->quality, limit, b);
                for (unsigned column : columns->angle)
                    recording.SetValue(b, column,
                                       TruncateToInt32(InterpolateAt(recording.Value(p, column),
                                                                     recording.Value(f, column), p, b, f)));
            }
            recording.SetValue(b, columns->quality, kFullQuality);
        }
    }
}

Recording RandomRecording(std::mt19937& random, std::size_t rows, double weakShare)
{
    std::uniform_int_distribution<std::int32_t> angle(-100000, 100000);
    std::uniform_int_distribution<std::int32_t> goodQuality(500, 1000);
    std::uniform_int_distribution<std::int32_t> weakQuality(-5, 499);
    std::bernoulli_distribution weak(weakShare);
    std::vector<std::vector<std::int32_t>> data;
    for (std::size_t row = 0; row < rows; ++row) {
        std::vector<std::int32_t> values(14);
        for (std::int32_t& value : values)
            value = angle(random);
        values[0] = static_cast<std::int32_t>(row * 4);
        for (unsigned quality : {6u, 13u})
            values[quality] = weak(random) ? weakQuality(random) : goodQuality(random);
        data.push_back(values);
    }
    return MakeRecording(data);
}

void ExpectIndexMatchesSearch(const GoodRowIndex& index, const Recording& recording, unsigned qualityColumn,
                              std::int32_t limit)
{
    for (std::size_t row = 0; row < recording.RowCount(); ++row) {
        const auto expected = SearchOutward(recording, qualityColumn, limit, row);
        const auto actual = index.Around(row);
        ASSERT_EQ(actual.before, expected.before) << "row " << row;
        ASSERT_EQ(actual.after, expected.after) << "row " << row;
        ASSERT_EQ(index.IsGood(row), recording.Value(row, qualityColumn) >= limit) << "row " << row;
    }
}

}  // namespace

TEST(QualityThreshold, LimitIsTheTruncatedThousandthsWithinRange)
{
    EXPECT_EQ(QualityLimitFor(0.0f), 0);
    EXPECT_EQ(QualityLimitFor(0.7f), 700);
    EXPECT_EQ(QualityLimitFor(0.9999f), 999);
    EXPECT_EQ(QualityLimitFor(1.0f), 1000);
    EXPECT_EQ(QualityLimitFor(2.0f), 1000);
    EXPECT_EQ(QualityLimitFor(-1.0f), 0);
    EXPECT_EQ(QualityLimitFor(std::numeric_limits<float>::quiet_NaN()), 0);
}

TEST(QualityThreshold, ZeroInterpolatesNoRowOfQualityZeroOrMore)
{
    const RecordingPlayer player = PlayerFor({RowOf(100, 0, 0), RowOf(200, 0, 1), RowOf(300, -1, 0)}, 0.0f);
    for (std::size_t row = 0; row < 2; ++row) {
        const ShownSample shown = ShowRow(player, row);
        EXPECT_FALSE(shown.eyes[kEyeOne].interpolated) << row;
        EXPECT_FALSE(shown.eyes[kEyeTwo].interpolated) << row;
        EXPECT_DOUBLE_EQ(StoredAngle(shown, kEyeOne, 0), 100.0 * (row + 1));
    }
    EXPECT_TRUE(ShowRow(player, 2).eyes[kEyeOne].interpolated);
    EXPECT_FALSE(ShowRow(player, 2).eyes[kEyeTwo].interpolated);
}

TEST(Interpolation, WeakRowsBetweenGoodOnesLieOnTheLine)
{
    const RecordingPlayer player =
        PlayerFor({RowOf(300, 900, 900), RowOf(9999, 100, 100), RowOf(9999, 100, 100), RowOf(600, 900, 900)}, 0.5f);
    const ShownSample first = ShowRow(player, 1);
    const ShownSample second = ShowRow(player, 2);
    for (std::size_t eye : {kEyeOne, kEyeTwo}) {
        EXPECT_TRUE(first.eyes[eye].interpolated);
        EXPECT_EQ(first.eyes[eye].quality, 100);
        for (std::size_t quantity = 0; quantity < kPlayedQuantityCount; ++quantity) {
            EXPECT_DOUBLE_EQ(StoredAngle(first, eye, quantity), 400.0);   // 2/3 of 300 and 1/3 of 600
            EXPECT_DOUBLE_EQ(StoredAngle(second, eye, quantity), 500.0);  // 1/3 of 300 and 2/3 of 600
        }
    }
    EXPECT_FALSE(ShowRow(player, 3).eyes[kEyeOne].interpolated);
}

TEST(Interpolation, EachEyeFollowsItsOwnQuality)
{
    const RecordingPlayer player = PlayerFor({RowOf(100, 900, 900), RowOf(9999, 100, 900), RowOf(300, 900, 900)}, 0.5f);
    const ShownSample shown = ShowRow(player, 1);
    EXPECT_TRUE(shown.eyes[kEyeOne].interpolated);
    EXPECT_DOUBLE_EQ(StoredAngle(shown, kEyeOne, 0), 200.0);
    EXPECT_FALSE(shown.eyes[kEyeTwo].interpolated);
    EXPECT_DOUBLE_EQ(StoredAngle(shown, kEyeTwo, 0), 9999.0);
}

TEST(Interpolation, WeakEndsTakeTheNearestGoodRow)
{
    const RecordingPlayer player = PlayerFor(
        {RowOf(1, 0, 0), RowOf(2, 0, 0), RowOf(500, 900, 900), RowOf(600, 900, 900), RowOf(5, 0, 0), RowOf(6, 0, 0)},
        0.5f);
    for (std::size_t row : {0u, 1u})
        EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(player, row), kEyeTwo, 2), 500.0) << row;
    for (std::size_t row : {4u, 5u})
        EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(player, row), kEyeTwo, 2), 600.0) << row;

    const RecordingPlayer noneGood = PlayerFor({RowOf(1, 0, 0), RowOf(2, 0, 0), RowOf(3, 0, 0)}, 0.5f);
    for (std::size_t row = 0; row < 3; ++row)
        EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(noneGood, row), kEyeOne, 1), 3.0) << row;
}

TEST(ModelValues, FollowTheColumnMappingSignsAndUnit)
{
    std::vector<std::int32_t> row(14, 0);
    row[0] = 1500;
    row[10] = 1234;
    row[11] = 1000;
    row[12] = 2000;
    row[3] = 3000;
    row[4] = 4000;
    row[5] = 5000;
    row[6] = row[13] = 1000;
    const RecordingPlayer player = PlayerFor({row, row}, 0.5f);

    const ShownSample hundredths = ShowRow(player, 0, false);
    EXPECT_EQ(hundredths.timeMs, 1500);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeOne].angles[0], -123.4);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeOne].angles[1], 100.0);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeOne].angles[2], -200.0);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeTwo].angles[0], 300.0);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeTwo].angles[1], -400.0);
    EXPECT_DOUBLE_EQ(hundredths.eyes[kEyeTwo].angles[2], 500.0);

    const ShownSample degrees = ShowRow(player, 0, true);
    EXPECT_DOUBLE_EQ(degrees.eyes[kEyeOne].angles[0], -1.234);
    EXPECT_DOUBLE_EQ(degrees.eyes[kEyeTwo].angles[1], -4.0);
}

TEST(StoringEdits, WritesTheAnglesBackAndMarksTheRowGood)
{
    RecordingPlayer player =
        PlayerFor({RowOf(0, 900, 900), RowOf(0, 0, 0), RowOf(0, 0, 0), RowOf(0, 0, 0), RowOf(800, 900, 900)}, 0.5f);
    ASSERT_TRUE(player.Store(2, {ModelAngles{150, -20, 3}, ModelAngles{-7, 8, 0}}, false));
    const Recording& recording = player.GetRecording();
    EXPECT_EQ(recording.Value(2, 10), -1500);
    EXPECT_EQ(recording.Value(2, 11), -200);
    EXPECT_EQ(recording.Value(2, 12), -30);
    EXPECT_EQ(recording.Value(2, 3), -70);
    EXPECT_EQ(recording.Value(2, 4), -80);
    EXPECT_EQ(recording.Value(2, 5), 0);
    EXPECT_EQ(recording.Value(2, 13), kFullQuality);
    EXPECT_EQ(recording.Value(2, 6), kFullQuality);
    EXPECT_FALSE(recording.IsModified());

    const ShownSample stored = ShowRow(player, 2);
    EXPECT_FALSE(stored.eyes[kEyeOne].interpolated);
    EXPECT_FALSE(stored.eyes[kEyeTwo].interpolated);
    EXPECT_DOUBLE_EQ(stored.eyes[kEyeOne].angles[0], 150.0);
    // The rows beside the edited one are now bridged towards it.
    EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(player, 1), kEyeOne, 0), -750.0);
    EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(player, 3), kEyeOne, 0), -350.0);

    ASSERT_TRUE(player.Store(3, {ModelAngles{2, 0, 0}, ModelAngles{0, 0, 0}}, true));
    EXPECT_EQ(player.GetRecording().Value(3, 10), -2000);
}

TEST(StoringEdits, ValuesBeyondTheStoredRangeAreClamped)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    RecordingPlayer player = PlayerFor({RowOf(0, 900, 900), RowOf(0, 900, 900)}, 0.5f);

    ASSERT_TRUE(player.Store(0, {ModelAngles{kMax, kMin, 214'748'364}, ModelAngles{kMax, kMin, 214'748'365}}, false));
    const Recording& recording = player.GetRecording();
    EXPECT_EQ(recording.Value(0, 10), kMin);
    EXPECT_EQ(recording.Value(0, 11), kMin);
    EXPECT_EQ(recording.Value(0, 12), -2'147'483'640);
    EXPECT_EQ(recording.Value(0, 3), kMax);
    EXPECT_EQ(recording.Value(0, 4), kMax);
    EXPECT_EQ(recording.Value(0, 5), kMax);

    ASSERT_TRUE(player.Store(1, {ModelAngles{kMin, kMax, 2'147'483}, ModelAngles{kMin, kMax, -2'147'484}}, true));
    EXPECT_EQ(recording.Value(1, 10), kMax);
    EXPECT_EQ(recording.Value(1, 11), kMax);
    EXPECT_EQ(recording.Value(1, 12), -2'147'483'000);
    EXPECT_EQ(recording.Value(1, 3), kMin);
    EXPECT_EQ(recording.Value(1, 4), kMin);
    EXPECT_EQ(recording.Value(1, 5), kMin);
}

TEST(StoringEdits, RowsOutOfRangeAreRefused)
{
    RecordingPlayer player = PlayerFor({RowOf(0, 900, 900), RowOf(0, 900, 900)}, 0.5f);
    ShownSample shown;
    EXPECT_FALSE(player.Show(2, false, shown));
    EXPECT_FALSE(player.Store(2, {}, false));
    RecordingPlayer empty;
    EXPECT_FALSE(empty.Show(0, false, shown));
    EXPECT_FALSE(empty.Store(0, {}, false));
}

TEST(Loading, RefusesRecordingsThatCannotBePlayedAndKeepsTheCurrentOne)
{
    RecordingPlayer player = PlayerFor({RowOf(7, 900, 900), RowOf(8, 900, 900)}, 0.5f);
    EXPECT_FALSE(player.Load(MakeRecording({RowOf(1, 900, 900)})));
    EXPECT_FALSE(player.Load(Recording(RecordingHeader{}, 13, std::vector<std::int32_t>(26, 0))));
    EXPECT_FALSE(player.Load(Recording()));
    ASSERT_EQ(player.RowCount(), 2u);
    EXPECT_DOUBLE_EQ(StoredAngle(ShowRow(player, 1), kEyeTwo, 0), 8.0);
}

TEST(Repair, WeakRowsTakeTheirShownValuesAndEveryRowBecomesGood)
{
    RecordingPlayer player = PlayerFor({RowOf(0, 900, 900), RowOf(50, 100, 900), RowOf(70, 100, 900),
                                        RowOf(1000, 900, 900), RowOf(9, 100, 100), RowOf(9, 100, 100)},
                                       0.5f);
    player.RepairAll();
    const Recording& repaired = player.GetRecording();
    EXPECT_EQ(repaired.Value(1, 10), 333);
    EXPECT_EQ(repaired.Value(2, 10), 666);
    EXPECT_EQ(repaired.Value(1, 3), 50);  // eye 2 was good there
    EXPECT_EQ(repaired.Value(3, 10), 1000);
    // Weak rows at the end, the last one included, take the last good row's values.
    EXPECT_EQ(repaired.Value(4, 10), 1000);
    EXPECT_EQ(repaired.Value(5, 3), 1000);
    for (std::size_t row = 0; row < repaired.RowCount(); ++row) {
        EXPECT_EQ(repaired.Value(row, 6), kFullQuality);
        EXPECT_EQ(repaired.Value(row, 13), kFullQuality);
        EXPECT_FALSE(ShowRow(player, row).eyes[kEyeOne].interpolated);
    }
    EXPECT_FALSE(repaired.IsModified());
}

TEST(Repair, StoresWhatEitherUnitShowsTimesItsScale)
{
    const std::vector<std::vector<std::int32_t>> rows = {RowOf(0, 900, 900), RowOf(5, 0, 0),
                                                         RowOf(5, 0, 0),     RowOf(1000, 900, 900),
                                                         RowOf(-7, 0, 0),    RowOf(-2999, 900, 900)};
    RecordingPlayer player = PlayerFor(rows, 0.5f);
    std::vector<ShownSample> hundredths, degrees;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        hundredths.push_back(ShowRow(player, row, false));
        degrees.push_back(ShowRow(player, row, true));
    }
    player.RepairAll();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t quantity = 0; quantity < kPlayedQuantityCount; ++quantity) {
            const int sign = kEyeOneColumns.sign[quantity];
            const double fromHundredths =
                hundredths[row].eyes[kEyeOne].angles[quantity] * sign * StoredPerModelUnit(false);
            const double fromDegrees = degrees[row].eyes[kEyeOne].angles[quantity] * sign * StoredPerModelUnit(true);
            const std::int32_t repaired = player.GetRecording().Value(row, kEyeOneColumns.angle[quantity]);
            EXPECT_NEAR(fromHundredths, fromDegrees, 1e-9) << "row " << row;
            EXPECT_LT(std::fabs(repaired - fromHundredths), 1.0) << "row " << row;
            EXPECT_LE(std::fabs(repaired), std::fabs(fromHundredths) + 1e-9) << "row " << row;
        }
    }
    EXPECT_EQ(player.GetRecording().Value(1, 10), 333);
    EXPECT_EQ(player.GetRecording().Value(2, 12), 666);
    EXPECT_EQ(player.GetRecording().Value(4, 11), -999);
}

TEST(GoodRowIndexCheck, AgreesWithTheOutwardSearchOnRandomRecordings)
{
    std::mt19937 random(3);
    for (std::size_t rows : {2u, 3u, 5u, 40u, 400u}) {
        for (double weakShare : {0.0, 0.3, 0.9, 1.0}) {
            Recording recording = RandomRecording(random, rows, weakShare);
            for (std::int32_t limit : {0, 500, 1000}) {
                GoodRowIndex index;
                index.Build(recording, 13, limit);
                ExpectIndexMatchesSearch(index, recording, 13, limit);

                // Rows turning good one by one keep the index right.
                std::uniform_int_distribution<std::size_t> anyRow(0, rows - 1);
                for (int edit = 0; edit < 6; ++edit) {
                    const std::size_t row = anyRow(random);
                    recording.SetValue(row, 13, kFullQuality);
                    index.MarkGood(row);
                    ExpectIndexMatchesSearch(index, recording, 13, limit);
                }
            }
        }
    }
}

TEST(GoodRowIndexCheck, PlayerShowsAndRepairsAsTheOutwardSearchDoes)
{
    std::mt19937 random(5);
    for (std::size_t rows : {2u, 3u, 7u, 300u}) {
        for (double weakShare : {0.0, 0.5, 0.95, 1.0}) {
            const Recording original = RandomRecording(random, rows, weakShare);
            RecordingPlayer player;
            ASSERT_TRUE(player.Load(original));
            player.SetQualityThreshold(0.5f);
            const std::int32_t limit = player.QualityLimit();

            for (std::size_t row = 0; row < rows; ++row) {
                const ShownSample shown = ShowRow(player, row, true);
                for (std::size_t eye : {kEyeOne, kEyeTwo}) {
                    const EyeColumns& columns = eye == kEyeOne ? kEyeOneColumns : kEyeTwoColumns;
                    const bool weak = original.Value(row, columns.quality) < limit;
                    const auto from = weak ? SearchOutward(original, columns.quality, limit, row)
                                           : GoodRowIndex::Neighbours{row, row};
                    ASSERT_EQ(shown.eyes[eye].interpolated, weak);
                    for (std::size_t quantity = 0; quantity < kPlayedQuantityCount; ++quantity) {
                        const unsigned column = columns.angle[quantity];
                        const double stored =
                            InterpolateAt(original.Value(from.before, column), original.Value(from.after, column),
                                          from.before, row, from.after);
                        ASSERT_EQ(shown.eyes[eye].angles[quantity], StoredToModel(stored, columns.sign[quantity], true))
                            << "row " << row;
                    }
                }
            }

            Recording expected = original;
            RepairBySearch(expected, limit);
            player.RepairAll();
            ASSERT_EQ(player.GetRecording().Samples(), expected.Samples()) << rows << " rows, " << weakShare;
        }
    }
}
