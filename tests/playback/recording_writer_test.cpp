#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"

#include "PlaybackTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

Recording ReadFile(const std::string& path)
{
    Recording recording;
    const RecordingReadResult result = ReadRecordingFile(path, recording);
    EXPECT_TRUE(result.Succeeded()) << path << ": " << DescribeRecordingError(result.error);
    return recording;
}

// Refuses every write after the first `accepted`.
class FailingSink : public ByteSink {
public:
    explicit FailingSink(int accepted) : m_accepted(accepted) {}
    bool Write(const char*, std::size_t) override { return calls++ < m_accepted; }
    int calls = 0;

private:
    int m_accepted;
};

}  // namespace

TEST(RecordingWriter, WritesTheOwnLayoutByteForByte)
{
    RecordingHeader header{"Doe\r\n", "Jo\n", "7\n", "today\n", "pursuit\n", "Time\tx\r\n"};
    const Recording recording(header, 14, {20, 0, 0, 1250, -500, 0, 1000, 0, 0, 0, 1234, 5,  -5, 987,
                                           40, 1, 2, 3,    4,    5, 6,    7, 8, 9, 10,   11, 12, 13});
    EXPECT_EQ(WrittenBytes(recording, false),
              "Name: Doe\r\nFirstname: Jo\nID: 7\nExamination Date: today\nTest Type: pursuit\n\nTime\tx\r\n"
              "0,020\t0\t0\t1,25\t-0,50\t0\t1,00\t0\t0\t0\t1,23\t0,01\t-0,01\t0,99\n"
              "0,040\t0,00\t0,00\t0,00\t0,00\t0,01\t0,01\t0,01\t0,01\t0,01\t0,01\t0,01\t0,01\t0,01\n");
}

TEST(RecordingWriter, DeviceExportIsRewrittenInTheOwnLayout)
{
    // Extra lines before the column titles are dropped, header lines keep CRLF,
    // rows get LF, two decimals and the stored signs.
    const Recording device = ReadFile(PlaybackDataPath("device_export.txt"));
    EXPECT_EQ(WrittenBytes(device, false), ReadBytes(PlaybackDataPath("device_export_as_written.stx")));
}

TEST(RecordingWriter, SignsSurviveBothLayouts)
{
    const Recording device = ReadFile(PlaybackDataPath("device_export.txt"));

    const std::string ownPath = TempPath("signs.stx");
    std::string error;
    ASSERT_TRUE(WriteRecordingFile(ownPath, device, error)) << error;
    EXPECT_EQ(ReadFile(ownPath).Samples(), device.Samples());

    // Under a ".txt" name the device's signs come back, and reading that file
    // restores the stored values.
    const std::string devicePath = TempPath("signs.txt");
    ASSERT_TRUE(WriteRecordingFile(devicePath, device, error)) << error;
    const std::string written = ReadBytes(devicePath);
    EXPECT_NE(written.find("\n0,000\t0\t0\t1,25\t-0,50\t0,10\t0,98\t0\t0\t0\t-2,50\t1,75\t0,30\t1,00\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile(devicePath).Samples(), device.Samples());

    std::remove(ownPath.c_str());
    std::remove(devicePath.c_str());
}

TEST(RecordingWriter, ValuesAreRoundedToTwoDecimals)
{
    const Recording precise = MakeRecording({{0, 0, 0, 1239, -1239, 0, 987}, {20, 0, 0, 1, -1, 0, 1000}});
    const std::string path = TempPath("precision.stx");
    std::string error;
    ASSERT_TRUE(WriteRecordingFile(path, precise, error)) << error;
    const Recording reread = ReadFile(path);
    EXPECT_EQ(reread.Value(0, 3), 1240);
    EXPECT_EQ(reread.Value(0, 4), -1240);
    EXPECT_EQ(reread.Value(0, 6), 990);
    EXPECT_EQ(reread.Value(1, 3), 0);
    EXPECT_EQ(reread.Value(1, 4), 0);
    std::remove(path.c_str());
}

TEST(RecordingWriter, StopsAtTheFirstRefusedWrite)
{
    const Recording device = ReadFile(PlaybackDataPath("device_export.txt"));
    for (int accepted = 0; accepted < 7; ++accepted) {
        FailingSink sink(accepted);
        EXPECT_FALSE(WriteRecording(device, false, sink)) << accepted;
        EXPECT_EQ(sink.calls, accepted + 1);
    }
    StringSink sink;
    EXPECT_TRUE(WriteRecording(device, false, sink));
    EXPECT_EQ(sink.writes, 7);  // six header pieces, then all rows in one block
}

TEST(RecordingWriter, FileIsReplacedOnlyWhenTheWriteSucceeds)
{
    const Recording device = ReadFile(PlaybackDataPath("device_export.txt"));
    std::string error;
    EXPECT_FALSE(WriteRecordingFile(TempPath("no-such-folder") + "/exam.stx", device, error));
    EXPECT_NE(error.find("exam.stx"), std::string::npos) << error;

    const std::string path = TempPath("replaced.stx");
    WriteBytes(path, "old content");
    ASSERT_TRUE(WriteRecordingFile(path, device, error)) << error;
    EXPECT_EQ(ReadBytes(path), ReadBytes(PlaybackDataPath("device_export_as_written.stx")));
    std::remove(path.c_str());
}

// Found by fuzzing: a header line with nothing after its keyword ("Name:")
// reads as an empty value, and was written without a line end, so the next
// keyword joined it and the saved file could not be opened again.
TEST(RecordingWriter, EmptyHeaderValuesStillEndTheirLines)
{
    const std::string head = "Name:\nFirstname:\r\nID:\nExamination Date: d\nTest Type:\n";
    for (bool deviceSigns : {false, true}) {
        Recording read;
        ASSERT_TRUE(ParseRecording(head + "Time\tx\n" + Row({"0"}) + Row({"0,02"}), deviceSigns, read).Succeeded());
        ASSERT_EQ(read.Header().name, "");
        ASSERT_EQ(read.Header().firstName, "\n");

        const std::string written = WrittenBytes(read, deviceSigns);
        EXPECT_EQ(written.substr(0, written.find("\n\n") + 2),
                  "Name: \nFirstname: \nID: \nExamination Date: d\nTest Type: \n\n");
        Recording again;
        const RecordingReadResult result = ParseRecording(written, deviceSigns, again);
        ASSERT_TRUE(result.Succeeded()) << DescribeRecordingError(result.error) << " at line " << result.line;
        EXPECT_EQ(again.Samples(), read.Samples());
        EXPECT_EQ(again.Header().name, "\n");
        EXPECT_EQ(again.Header().examinationDate, "d\n");
    }
}
