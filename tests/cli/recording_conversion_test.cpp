#include "cli/ConsoleCommands.h"
#include "cli/RecordingConversion.h"
#include "playback/RecordingPlayer.h"
#include "playback/RecordingReader.h"
#include "playback/RecordingWriter.h"

#include "../lang/TempFolder.h"
#include "../support/FileSizeLimit.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

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

    ASSERT_EQ(RunCommand({"--convert", "--repair", "0.9", deviceExport, "repaired.stx"}, folder.Folder(), err), 0)
        << err;
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

    // A fault of the whole file has no line number; one on the first line has.
    EXPECT_EQ(RunCommand({"--convert", "missing.stx", "kept.stx"}, folder.Folder(), err), 1);
    EXPECT_EQ(err, "squinx: " + folder.Path("missing.stx") + ": " + DescribeRecordingError(RecordingError::CannotOpen) +
                       "\n");
    folder.Write("unnamed.stx", "Nome: A\n");
    EXPECT_EQ(RunCommand({"--convert", "unnamed.stx", "kept.stx"}, folder.Folder(), err), 1);
    EXPECT_EQ(err, "squinx: " + folder.Path("unnamed.stx") +
                       ":1: " + DescribeRecordingError(RecordingError::BadHeader) + "\n");

    EXPECT_EQ(RunCommand({"--convert", kPlaybackData + "device_export.txt", "kept.csv"}, folder.Folder(), err), 1);
    // Names as shown: with the system's own separator.
    const auto shown = [](const std::string& name) { return std::filesystem::path(name).make_preferred().string(); };
    EXPECT_EQ(err, "squinx: " + shown(folder.Path("kept.csv")) +
                       ": a recording's name ends in .txt (device export) or .stx\n");

    EXPECT_EQ(RunCommand({"--convert", kPlaybackData + "device_export.txt", "no-folder/out.stx"}, folder.Folder(), err),
              1);
    EXPECT_NE(err.find(shown("no-folder/out.stx")), std::string::npos) << err;

    EXPECT_EQ(Bytes(folder.Path("kept.stx")), "old content");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("kept.csv")));
}

TEST(RecordingConversion, KeepsLongTimesAndRefusesWhatItCannotKeep)
{
    TempFolder folder;
    const std::string zeros = "\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n";
    const std::string head = "Name: A\nFirstname: B\nID: 1\nExamination Date: d\nTest Type: t\n\nTime\tx\n";
    const std::string rows = "20000,001" + zeros + "20000,003" + zeros + "20000,005" + zeros + "2147483,647" + zeros;
    folder.Write("long.stx", head + rows);
    std::string err;
    ASSERT_EQ(RunCommand({"--convert", "long.stx", "copy.stx"}, folder.Folder(), err), 0) << err;
    EXPECT_EQ(Bytes(folder.Path("copy.stx")), head + rows);

    folder.Write("beyond.stx", head + "0" + zeros + "2147483,648" + zeros);
    EXPECT_EQ(RunCommand({"--convert", "beyond.stx", "out.stx"}, folder.Folder(), err), 1);
    EXPECT_EQ(err, "squinx: " + folder.Path("beyond.stx") +
                       ":9: " + DescribeRecordingError(RecordingError::OutOfRange) + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out.stx")));
}

TEST(RecordingConversion, RefusesToWriteOntoItsInputUnderAnyName)
{
    TempFolder folder;
    const std::string original = Bytes(kPlaybackData + "device_export.txt");
    folder.Write("exam.txt", original);
    std::vector<std::string> outputs{"exam.txt", "./exam.txt", folder.Path("exam.txt")};
#ifndef _WIN32  // A symbolic link needs a privilege on Windows.
    std::filesystem::create_symlink(folder.Path("exam.txt"), folder.Path("link.txt"));
    outputs.push_back("link.txt");
#endif
    std::string err;
    for (const std::string& output : outputs) {
        EXPECT_EQ(RunCommand({"--convert", "exam.txt", output}, folder.Folder(), err), 1) << output;
        EXPECT_NE(err.find("is the input itself"), std::string::npos) << err;
    }
    EXPECT_EQ(Bytes(folder.Path("exam.txt")), original);
}

// As a user's shell would run it under `ulimit -f`: the write fails with its
// reason instead of the system killing the program, and nothing is left.
TEST(RecordingConversion, FileSizeLimitGivesAReasonAndNoTemporaryFile)
{
#ifdef SQUINX_FILE_SIZE_LIMIT_UNAVAILABLE
    GTEST_SKIP() << SQUINX_FILE_SIZE_LIMIT_UNAVAILABLE;
#else
    TempFolder folder;
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const FileSizeLimit limit(100);
        std::string err;
        const int status =
            RunCommand({"--convert", kPlaybackData + "device_export.txt", "big.stx"}, folder.Folder(), err);
        _exit(status == 1 && err.find("File too large") != std::string::npos ? 0 : 3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Folder()));
#endif
}

}  // namespace
