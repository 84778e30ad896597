#include "cli/ConsoleCommands.h"
#include "cli/RecordingConversion.h"
#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"

#include "../lang/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace cli {
namespace {

const std::string kPlaybackData = std::string(SQUINX_TEST_DATA_DIR) + "/playback/";

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What the window's Save as writes after opening input and, optionally,
// repairing it.
std::string SavedAs(const std::string& input, const std::string& output, float repairThreshold = 0.0f)
{
    Recording recording;
    EXPECT_TRUE(ReadRecordingFile(input, recording).Succeeded()) << input;
    RecordingPlayer player;
    EXPECT_TRUE(player.Load(std::move(recording)));
    if (repairThreshold > 0.0f) {
        player.SetQualityThreshold(repairThreshold);
        player.RepairAll();
    }
    std::string error;
    EXPECT_TRUE(WriteRecordingFile(output, player.GetRecording(), error)) << error;
    return Bytes(output);
}

int RunCommand(std::vector<std::string> arguments, const std::string& startFolder, std::string& err)
{
    std::ostringstream out, errStream;
    const int status = RunConsoleCommand(ParseCommandLine(arguments), startFolder, out, errStream);
    err = errStream.str();
    EXPECT_EQ(out.str(), "");
    return status;
}

TEST(RecordingConversion, WritesWhatSaveAsWritesInBothDirections)
{
    TempFolder folder;
    const std::string deviceExport = kPlaybackData + "device_export.txt";
    std::string err;

    ASSERT_EQ(RunCommand({"--convert", deviceExport, "own.stx"}, folder.Folder(), err), 0) << err;
    EXPECT_EQ(Bytes(folder.Path("own.stx")), Bytes(kPlaybackData + "device_export_as_written.stx"));
    EXPECT_EQ(Bytes(folder.Path("own.stx")), SavedAs(deviceExport, folder.Path("expected.stx")));

    ASSERT_EQ(RunCommand({"--convert", "own.stx", "back.txt"}, folder.Folder(), err), 0) << err;
    EXPECT_EQ(Bytes(folder.Path("back.txt")), SavedAs(folder.Path("own.stx"), folder.Path("expected.txt")));

    ASSERT_EQ(RunCommand({"--convert", "--repair", "0.9", deviceExport, "repaired.stx"}, folder.Folder(), err), 0) << err;
    const std::string repaired = Bytes(folder.Path("repaired.stx"));
    EXPECT_EQ(repaired, SavedAs(deviceExport, folder.Path("expected-repaired.stx"), 0.9f));
    EXPECT_NE(repaired, Bytes(folder.Path("own.stx")));
}

TEST(RecordingConversion, RefusesWithTheReaderMessageAndKeepsTheOutput)
{
    TempFolder folder;
    folder.Write("kept.stx", "old content");
    std::string err;

    EXPECT_EQ(RunCommand({"--convert", kPlaybackData + "cut_short.stx", "kept.stx"}, folder.Folder(), err), 1);
    EXPECT_NE(err.find("cut_short.stx:"), std::string::npos) << err;
    EXPECT_NE(err.find(DescribeRecordingError(RecordingError::PartialLastRow)), std::string::npos) << err;

    EXPECT_EQ(RunCommand({"--convert", "missing.stx", "kept.stx"}, folder.Folder(), err), 1);
    EXPECT_NE(err.find(folder.Path("missing.stx")), std::string::npos) << err;

    EXPECT_EQ(RunCommand({"--convert", kPlaybackData + "device_export.txt", "kept.csv"}, folder.Folder(), err), 1);
    EXPECT_EQ(err, "squinx: " + folder.Path("kept.csv") + ": a recording's name ends in .txt (device export) or .stx\n");

    EXPECT_EQ(RunCommand({"--convert", kPlaybackData + "device_export.txt", "no-folder/out.stx"}, folder.Folder(), err), 1);
    EXPECT_NE(err.find("no-folder/out.stx"), std::string::npos) << err;

    EXPECT_EQ(Bytes(folder.Path("kept.stx")), "old content");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("kept.csv")));
}

}  // namespace
}  // namespace cli
