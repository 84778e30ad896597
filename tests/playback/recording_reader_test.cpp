#include "playback/RecordingReader.h"

#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

Recording Parsed(const std::string& bytes, bool deviceSigns = false)
{
    Recording recording;
    const RecordingReadResult result = ParseRecording(bytes, deviceSigns, recording);
    EXPECT_TRUE(result.Succeeded()) << DescribeRecordingError(result.error) << " at line " << result.line;
    return recording;
}

RecordingReadResult ParseResult(const std::string& bytes)
{
    Recording recording;
    return ParseRecording(bytes, false, recording);
}

const std::string kTwoRows = StxHead() + Row({"0", "1"}) + Row({"0,02", "2"});

}  // namespace

TEST(RecordingNames, OnlyLowerCaseTxtMeansDeviceSigns)
{
    EXPECT_TRUE(HasDeviceSigns("exam.txt"));
    EXPECT_FALSE(HasDeviceSigns("exam.TXT"));
    EXPECT_FALSE(HasDeviceSigns("exam.stx"));
    EXPECT_FALSE(HasDeviceSigns("txt"));

    EXPECT_EQ(CompleteOpenName("exam.TXT"), "exam.TXT.txt");
    EXPECT_EQ(CompleteSaveName("exam.TXT"), "exam.TXT.stx");
    EXPECT_EQ(CompleteOpenName("exam"), "exam.txt");
    EXPECT_EQ(CompleteSaveName("exam"), "exam.stx");
    EXPECT_EQ(CompleteOpenName("exam.stx"), "exam.stx");
    EXPECT_EQ(CompleteSaveName("exam.txt"), "exam.txt");
    EXPECT_EQ(CompleteOpenName(".txt"), ".txt");
    EXPECT_EQ(CompleteSaveName("stx"), "stx.stx");
}

TEST(RecordingNames, FileNamedUpperCaseTxtKeepsItsSigns)
{
    const std::string bytes =
        StxHead() + Row({"0", "0", "0", "1,5", "0", "0", "0", "0", "0", "0", "0", "2", "3"}) + Row({"0,02"});
    const std::string upper = TempPath("exam.TXT");
    const std::string lower = TempPath("exam.txt");
    WriteBytes(upper, bytes);
    WriteBytes(lower, bytes);
    Recording fromUpper, fromLower;
    ASSERT_TRUE(ReadRecordingFile(upper, fromUpper).Succeeded());
    ASSERT_TRUE(ReadRecordingFile(lower, fromLower).Succeeded());
    EXPECT_EQ(fromUpper.Value(0, 3), 1500);
    EXPECT_EQ(fromUpper.Value(0, 11), 2000);
    EXPECT_EQ(fromLower.Value(0, 3), -1500);
    EXPECT_EQ(fromLower.Value(0, 11), -2000);
    EXPECT_EQ(fromLower.Value(0, 12), -3000);
    EXPECT_EQ(fromLower.FileName(), lower);
    std::remove(upper.c_str());
    std::remove(lower.c_str());
}

TEST(RecordingHeaderLines, ValueStartsOneCharacterAfterTheKeyword)
{
    const Recording blank = Parsed(kTwoRows);
    EXPECT_EQ(blank.Header().name, "Doe\n");
    EXPECT_EQ(blank.Header().firstName, "Jo\n");
    EXPECT_EQ(blank.Header().patientId, "7\n");
    EXPECT_EQ(blank.Header().examinationDate, "today\n");
    EXPECT_EQ(blank.Header().testType, "pursuit\n");
    EXPECT_EQ(blank.Header().columnHeader, "Time\tx\n");

    std::string noBlank = kTwoRows;
    noBlank.replace(0, 9, "Name:Doe");
    EXPECT_EQ(Parsed(noBlank).Header().name, "oe\n");

    std::string bare = kTwoRows;
    bare.replace(0, 9, "Name:");
    EXPECT_EQ(Parsed(bare).Header().name, "");
}

TEST(RecordingHeaderLines, KeepTheirOwnLineEnds)
{
    const Recording device = Parsed(ReadBytes(PlaybackDataPath("device_export.txt")), true);
    EXPECT_EQ(device.Header().name, "Sample\r\n");
    EXPECT_EQ(device.Header().testType, "Smooth pursuit\r\n");
    EXPECT_EQ(device.Header().columnHeader.substr(0, 5), "Time\t");
    EXPECT_EQ(device.Header().columnHeader.substr(device.Header().columnHeader.size() - 2), "\r\n");
}

TEST(RecordingHeaderLines, SkipLinesBeforeTheColumnTitles)
{
    const std::string head = "Name: a\nFirstname: b\nID: c\nExamination Date: d\nTest Type: e\n";
    const Recording skipped = Parsed(head + "Device: x\n\n  Time\ntime\nTimestamp\tx\n" + Row({"0"}) + Row({"0,02"}));
    EXPECT_EQ(skipped.Header().columnHeader, "Timestamp\tx\n");
    EXPECT_EQ(skipped.RowCount(), 2u);
}

TEST(RecordingHeaderLines, RefuseWrongOrMissingLines)
{
    const std::string good = kTwoRows;
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"name: Doe\n" + good.substr(good.find('\n') + 1), 1},
        {good.substr(good.find('\n') + 1), 1},
        {"Name: a\nFirstname: b\nID: c\nExamination date: d\n", 4},
        {"Name: a\nFirstname: b\nID: c\nExamination Date: d\nTest Type: e\nTime\n", 0},
        {"Name: a\nFirstname: b\nID: c\nExamination Date: d\nTest Type: e\nTime", 0},
        {"Name: a\nFirstname: b\nID: c\nExamination Date: d\nTest Type: e\nno titles\n", 0},
        {"Name: a\nFirstname: b\n", 0},
        {"", 0},
    };
    for (const auto& [bytes, line] : cases) {
        const RecordingReadResult result = ParseResult(bytes);
        EXPECT_EQ(result.error, RecordingError::BadHeader) << bytes;
        EXPECT_EQ(result.line, line) << bytes;
    }
}

TEST(RecordingRows, TabRunsAreOneSeparator)
{
    const Recording recording =
        Parsed(StxHead() + "\t0\t\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t\t13\n" + Row({"0,02"}));
    ASSERT_EQ(recording.Columns(), 14u);
    EXPECT_EQ(recording.Value(0, 1), 1000);
    EXPECT_EQ(recording.Value(0, 13), 13000);

    // An empty field moves the later values one column to the left, which
    // leaves this row one field short.
    EXPECT_EQ(ParseResult(StxHead() + Row({"0", "1"}) + "0\t\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\n").error,
              RecordingError::TooFewFields);
}

TEST(RecordingRows, LineEndAfterATabIsAFieldOfItsOwn)
{
    const Recording recording = Parsed(StxHead() + Row({"0"}, "\t\r\n") + Row({"0,02"}, "\t\r\n"));
    EXPECT_EQ(recording.Columns(), 15u);
    EXPECT_EQ(recording.Value(1, 14), 0);
}

TEST(RecordingRows, DeviceColumnsAreNegated)
{
    const Recording device = Parsed(ReadBytes(PlaybackDataPath("device_export.txt")), true);
    ASSERT_EQ(device.RowCount(), 4u);
    ASSERT_EQ(device.Columns(), 14u);
    const std::vector<std::int32_t> firstRow = {0, 0, 0, -1250, -500, 100, 980, 0, 0, 0, -2500, -1750, -300, 1000};
    EXPECT_EQ(std::vector<std::int32_t>(device.Samples().begin(), device.Samples().begin() + 14), firstRow);
    EXPECT_EQ(device.Value(3, 0), 60);
}

TEST(RecordingRows, IntervalIsHalfTheSecondRowsTime)
{
    EXPECT_EQ(Parsed(StxHead() + Row({"0"}) + Row({"0,02"})).IntervalMs(), 10);
    EXPECT_EQ(Parsed(StxHead() + Row({"0"}) + Row({"0,033"})).IntervalMs(), 16);
    EXPECT_EQ(Parsed(StxHead() + Row({"10"}) + Row({"10,02"}) + Row({"10,04"})).IntervalMs(), 5010);
}

TEST(RecordingRows, TrailingEmptyLinesAreNoRows)
{
    EXPECT_EQ(Parsed(kTwoRows + "\n").RowCount(), 2u);
    EXPECT_EQ(Parsed(kTwoRows + "\r\n\r\n").RowCount(), 2u);
    EXPECT_EQ(Parsed(kTwoRows + "\n\r").RowCount(), 2u);
    const RecordingReadResult inside = ParseResult(StxHead() + Row({"0"}) + "\n" + Row({"0,02"}));
    EXPECT_EQ(inside.error, RecordingError::TooFewFields);
    EXPECT_EQ(inside.line, 9u);
}

TEST(RecordingRows, AnyChunkingGivesTheSameRecording)
{
    const std::string bytes = ReadBytes(PlaybackDataPath("device_export.txt"));
    const Recording whole = Parsed(bytes, true);
    for (std::size_t chunk : {1u, 2u, 7u, 64u}) {
        RecordingParser parser(true);
        for (std::size_t at = 0; at < bytes.size(); at += chunk)
            ASSERT_TRUE(parser.Feed(bytes.data() + at, std::min(chunk, bytes.size() - at)));
        Recording pieces;
        ASSERT_TRUE(parser.Finish(pieces).Succeeded());
        EXPECT_EQ(pieces.Samples(), whole.Samples()) << chunk;
        EXPECT_EQ(pieces.Header().columnHeader, whole.Header().columnHeader);
        EXPECT_EQ(pieces.Header().examinationDate, whole.Header().examinationDate);
    }
}

TEST(RecordingRefusals, NameTheFaultAndItsLine)
{
    std::string wide = "0";
    for (int i = 1; i < 65; ++i)
        wide += "\t" + std::to_string(i);
    const std::vector<std::pair<std::string, RecordingReadResult>> cases = {
        {StxHead() + "0\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n" + Row({"0,02"}), {RecordingError::TooFewFields, 8}},
        {StxHead() + Row({"0"}) + Row({"0,02"}) + "0\t1\n", {RecordingError::TooFewFields, 10}},
        {StxHead() + Row({"0"}) + Row({"0,02"}, "\t5\n"), {RecordingError::UnequalRows, 9}},
        {StxHead() + wide + "\n" + Row({"0,02"}), {RecordingError::TooManyFields, 8}},
        {StxHead() + Row({"0"}) + Row({"0,02"}, ""), {RecordingError::PartialLastRow, 9}},
        {StxHead() + Row({"0"}), {RecordingError::TooFewRows, 0}},
        {StxHead() + "\n", {RecordingError::TooFewRows, 0}},
        // Times must rise, and nothing may be changed on the way to the store.
        {StxHead() + Row({"0,02"}) + Row({"0,02"}), {RecordingError::TimesNotRising, 9}},
        {StxHead() + Row({"0"}) + Row({"0,04"}) + Row({"0,02"}), {RecordingError::TimesNotRising, 10}},
        {StxHead() + Row({"-2147483,648"}) + Row({"0"}), {RecordingError::OutOfRange, 8}},
        {StxHead() + Row({"-0,001"}) + Row({"0"}), {RecordingError::OutOfRange, 8}},
        {StxHead() + Row({"0"}) + Row({"2147483,648"}), {RecordingError::OutOfRange, 9}},
        {StxHead() + Row({"0"}) + Row({"0,02", "32768,01"}), {RecordingError::OutOfRange, 9}},
        {StxHead() + Row({"0", "-1e30"}) + Row({"0,02"}), {RecordingError::OutOfRange, 8}},
    };
    for (const auto& [bytes, expected] : cases) {
        const RecordingReadResult result = ParseResult(bytes);
        EXPECT_EQ(result.error, expected.error) << bytes;
        EXPECT_EQ(result.line, expected.line) << bytes;
        EXPECT_STRNE(DescribeRecordingError(result.error), "");
    }
}

TEST(RecordingRows, TimesAndValuesAtTheLimitsComeBackAsWritten)
{
    const Recording recording =
        Parsed(StxHead() + Row({"0", "-32768"}) + Row({"20000,001", "32768"}) + Row({"2147483,647", "-0,01"}));
    EXPECT_EQ(recording.Value(1, kTimeColumn), 20000001);
    EXPECT_EQ(recording.Value(2, kTimeColumn), 2147483647);
    EXPECT_EQ(recording.Value(0, 1), -32768000);
    EXPECT_EQ(recording.Value(1, 1), 32768000);
}

TEST(RecordingRefusals, InputBeyondTheSizeLimits)
{
    RecordingParser parser(false, 0, 100);
    const std::string bytes = kTwoRows + kTwoRows;
    EXPECT_FALSE(parser.Feed(bytes.data(), bytes.size()));
    Recording out;
    const RecordingReadResult tooLarge = parser.Finish(out);
    EXPECT_EQ(tooLarge.error, RecordingError::TooLarge);
    EXPECT_EQ(tooLarge.line, 0u);  // the whole file, no line of it
    EXPECT_EQ(out.RowCount(), 0u);

    const std::string longLine = StxHead() + "0" + std::string(kMaxRecordingLineBytes, ' ') + "\n";
    const RecordingReadResult whole = ParseRecording(longLine, false, out);
    EXPECT_EQ(whole.error, RecordingError::LineTooLong);
    EXPECT_EQ(whole.line, 8u);
    RecordingParser pieces(false);
    for (std::size_t at = 0; at < longLine.size(); at += 4096)
        pieces.Feed(longLine.data() + at, std::min<std::size_t>(4096, longLine.size() - at));
    EXPECT_EQ(pieces.Finish(out).error, RecordingError::LineTooLong);
}

TEST(RecordingRefusals, LeaveTheCallersRecordingUntouched)
{
    Recording current = Parsed(ReadBytes(PlaybackDataPath("device_export.txt")), true);
    current.SetFileName("current.txt");
    current.SetModified(true);
    const std::vector<std::int32_t> samples = current.Samples();

    for (const std::string file : {"cut_short.stx", "one_row.stx", "missing.stx"}) {
        const RecordingReadResult result = ReadRecordingFile(PlaybackDataPath(file), current);
        EXPECT_FALSE(result.Succeeded()) << file;
        EXPECT_EQ(current.Samples(), samples) << file;
        EXPECT_EQ(current.Header().name, "Sample\r\n") << file;
        EXPECT_EQ(current.FileName(), "current.txt") << file;
        EXPECT_TRUE(current.IsModified()) << file;
    }
    EXPECT_EQ(ReadRecordingFile(PlaybackDataPath("cut_short.stx"), current).error, RecordingError::PartialLastRow);
    EXPECT_EQ(ReadRecordingFile(PlaybackDataPath("one_row.stx"), current).error, RecordingError::TooFewRows);
    EXPECT_EQ(ReadRecordingFile(PlaybackDataPath("missing.stx"), current).error, RecordingError::CannotOpen);
    EXPECT_EQ(ReadRecordingFile(PlaybackDataPath(""), current).error, RecordingError::NotAFile);
    EXPECT_EQ(ParseRecording(StxHead() + Row({"0"}) + Row({"1"}, "\t1\n"), false, current).error,
              RecordingError::UnequalRows);
    EXPECT_EQ(current.Samples(), samples);
}

// Files that are no recording, or one in a form the reader does not take,
// are refused at the first line that shows it.
TEST(RecordingBadInput, BinaryGarbageIsRefusedAtTheFirstLine)
{
    std::mt19937 random(3);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    const RecordingReadResult result = ParseResult(garbage);
    EXPECT_EQ(result.error, RecordingError::BadHeader);
    EXPECT_EQ(result.line, 1u);
}

TEST(RecordingBadInput, ForeignEncodingsAreRefusedAtTheFirstLine)
{
    const std::string utf8 = "\xEF\xBB\xBF" + kTwoRows;
    std::string utf16 = "\xFF\xFE";
    for (char c : kTwoRows)
        utf16 += std::string{c, '\0'};
    for (const std::string& bytes : {utf8, utf16}) {
        const RecordingReadResult result = ParseResult(bytes);
        EXPECT_EQ(result.error, RecordingError::BadHeader);
        EXPECT_EQ(result.line, 1u);
    }
}

TEST(RecordingBadInput, BlanksInsteadOfTabsLeaveARowOneField)
{
    std::string spaced = Row({"0"});
    std::replace(spaced.begin(), spaced.end(), '\t', ' ');
    const RecordingReadResult result = ParseResult(StxHead() + spaced + Row({"0,02"}));
    EXPECT_EQ(result.error, RecordingError::TooFewFields);
    EXPECT_EQ(result.line, 8u);
}

TEST(RecordingBadInput, PipesAndFoldersAreRefusedWithoutBlocking)
{
    Recording current = Parsed(kTwoRows);
    EXPECT_EQ(ReadRecordingFile(::testing::TempDir(), current).error, RecordingError::NotAFile);
    EXPECT_EQ(ReadRecordingFile(TempPath("absent.txt"), current).error, RecordingError::CannotOpen);
#ifndef _WIN32  // Windows keeps no pipes among the files.
    const std::string pipe = TempPath("pipe.txt");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadRecordingFile(pipe, current).error, RecordingError::NotAFile);
    std::remove(pipe.c_str());
#endif
    EXPECT_EQ(current.Header().name, "Doe\n");
}
