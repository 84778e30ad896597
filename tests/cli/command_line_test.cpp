#include "cli/CommandLine.h"
#include "cli/FileKinds.h"
#include "cli/StartFolder.h"

#include "../support/PortableTest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include <sstream>
#include <string>
#include <vector>

namespace {

CommandLine Parse(std::vector<std::string> arguments)
{
    return ParseCommandLine(arguments);
}

TEST(CommandLine, ReadsEveryForm)
{
    EXPECT_EQ(Parse({}).action, Action::StartProgram);
    const CommandLine open = Parse({"a.sd", "-", "--", "-odd.stx"});
    EXPECT_EQ(open.action, Action::StartProgram);
    EXPECT_EQ(open.files, (std::vector<std::string>{"a.sd", "-", "-odd.stx"}));

    EXPECT_EQ(Parse({"x.sd", "--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::ShowVersion);
    // Help wins over anything else, even a wrong combination.
    EXPECT_EQ(Parse({"--repair", "0.5", "--help"}).action, Action::ShowHelp);

    const CommandLine check = Parse({"--check-quiz", "a.sqs", "b.sqs"});
    EXPECT_EQ(check.action, Action::CheckQuiz);
    EXPECT_EQ(check.files.size(), 2u);

    const CommandLine convert = Parse({"--convert", "in.txt", "--repair", "0,8", "out.stx"});
    EXPECT_EQ(convert.action, Action::ConvertRecording);
    EXPECT_EQ(convert.files, (std::vector<std::string>{"in.txt", "out.stx"}));
    ASSERT_TRUE(convert.repairThreshold);
    EXPECT_DOUBLE_EQ(*convert.repairThreshold, 0.8);
    EXPECT_DOUBLE_EQ(*Parse({"--convert", "--repair=1", "a.txt", "b.stx"}).repairThreshold, 1.0);
    EXPECT_FALSE(Parse({"--convert", "a.txt", "b.stx"}).repairThreshold);

    const CommandLine hess = Parse({"--hess", "a.sd", "a.svg"});
    EXPECT_EQ(hess.action, Action::HessChart);
    EXPECT_EQ(hess.files, (std::vector<std::string>{"a.sd", "a.svg"}));
    EXPECT_EQ(Parse({"a.sd", "--hess", "a.png"}).action, Action::HessChart);
    EXPECT_EQ(Parse({"--hess", "a.sd", "a.pdf"}).action, Action::HessChart);
    const CommandLine nine = Parse({"--nine", "a.sd", "--eccentricity", "40", "n.png"});
    EXPECT_EQ(nine.action, Action::NinePositions);
    EXPECT_EQ(nine.eccentricity, 40);
    EXPECT_EQ(Parse({"--nine", "--eccentricity=5", "a.sd", "n.png"}).eccentricity, 5);
    EXPECT_EQ(Parse({"--nine", "a.sd", "n.png"}).eccentricity, 25);

    const CommandLine measure =
        Parse({"--measure", "--gaze", "-10.5,20", "--distance=near", "--fixing", "left", "--head-turn=-20",
               "--head-tilt", "45", "--prism", "right:18:out", "--prism=left:2:up", "--tsv", "a.sd"});
    EXPECT_EQ(measure.action, Action::Measure);
    EXPECT_EQ(measure.files, std::vector<std::string>{"a.sd"});
    EXPECT_DOUBLE_EQ(measure.gazeRight, -10.5);
    EXPECT_DOUBLE_EQ(measure.gazeUp, 20);
    EXPECT_EQ(measure.atNear, std::optional<bool>(true));
    EXPECT_EQ(measure.fixing, std::optional<Eye>(Eye::two));
    EXPECT_DOUBLE_EQ(measure.headTurn, -20);
    EXPECT_DOUBLE_EQ(measure.headTilt, 45);
    EXPECT_EQ(measure.prisms[0].dioptres, 18);
    EXPECT_EQ(measure.prisms[0].base, PrismBase::out);
    EXPECT_EQ(measure.prisms[1].dioptres, 2);
    EXPECT_EQ(measure.prisms[1].base, PrismBase::up);
    EXPECT_TRUE(measure.tabSeparated);
    EXPECT_FALSE(measure.table);
    const CommandLine plain = Parse({"--measure", "a.sd"});
    EXPECT_EQ(plain.gazeRight, 0);
    EXPECT_EQ(plain.headTurn + plain.headTilt, 0);
    EXPECT_FALSE(plain.atNear || plain.fixing || plain.table || plain.tabSeparated);
    EXPECT_EQ(plain.prisms[0].dioptres + plain.prisms[1].dioptres, 0);
    const CommandLine table = Parse({"--measure", "--table", "--eccentricity", "30", "a.sd"});
    EXPECT_TRUE(table.table);
    EXPECT_EQ(table.eccentricity, 30);
    EXPECT_EQ(Parse({"--measure", "--table", "a.sd"}).eccentricity, 25);
}

TEST(CommandLine, RefusesWrongCommandLinesWithTheReason)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        // A name's control characters are written out: the message stays one line.
        {{"--frob\nnicate\t"}, "unknown option '--frob\\nnicate\\t'"},
        {{"--hess", "a.sd", "\x1b[2J.pdf\x7f"}, "--hess writes .svg, .pdf or .png files, not '\\x1B[2J.pdf\\x7F'"},
        {{"--check-quiz"}, "--check-quiz needs a question file"},
        {{"--convert", "a.txt"}, "--convert needs an input and an output file"},
        {{"--convert", "a.txt", "b.stx", "c.stx"}, "--convert needs an input and an output file"},
        {{"--check-quiz", "--convert", "a.txt", "b.stx"}, "--check-quiz and --convert cannot be combined"},
        {{"--repair", "0.5", "a.stx"}, "--repair works only with --convert"},
        {{"--hess", "a.sd"}, "--hess needs a case and an output file"},
        {{"--hess", "a.sd", "a.jpg"}, "--hess writes .svg, .pdf or .png files, not 'a.jpg'"},
        {{"--nine", "a.sd", "a.svg"}, "--nine writes .png files, not 'a.svg'"},
        {{"--nine", "a.sd", "b.sd", "a.png"}, "--nine needs a case and an output file"},
        {{"--hess", "--nine", "a.sd", "a.png"}, "--hess and --nine cannot be combined"},
        {{"--hess", "a.sd", "a.png", "--eccentricity", "20"},
         "--eccentricity works only with --nine or --measure --table"},
        {{"--nine", "a.sd", "a.png", "--eccentricity"}, "--eccentricity needs a number of degrees"},
        {{"--nine", "a.sd", "a.png", "--eccentricity", "41"},
         "the eccentricity '41' is not a whole number of degrees from 5 to 40"},
        {{"--nine", "a.sd", "a.png", "--eccentricity", "4"},
         "the eccentricity '4' is not a whole number of degrees from 5 to 40"},
        {{"--nine", "a.sd", "a.png", "--eccentricity=2.5"},
         "the eccentricity '2.5' is not a whole number of degrees from 5 to 40"},
        {{"--measure"}, "--measure needs one case file"},
        {{"--measure", "a.sd", "b.sd"}, "--measure needs one case file"},
        {{"--measure", "--hess", "a.sd", "a.svg"}, "--measure and --hess cannot be combined"},
        {{"--hess", "a.sd", "a.svg", "--tsv"}, "--tsv works only with --measure"},
        {{"--nine", "--gaze", "1,2", "a.sd", "a.png"}, "--gaze works only with --measure"},
        {{"--measure", "a.sd", "--gaze"}, "--gaze needs a value"},
        {{"--measure", "a.sd", "--gaze", "10"},
         "the gaze '10' is not H,V in degrees from -45 to 45 (right and up positive)"},
        {{"--measure", "a.sd", "--gaze", "46,0"},
         "the gaze '46,0' is not H,V in degrees from -45 to 45 (right and up positive)"},
        {{"--measure", "a.sd", "--gaze=1,x"},
         "the gaze '1,x' is not H,V in degrees from -45 to 45 (right and up positive)"},
        {{"--measure", "a.sd", "--distance", "middle"}, "the distance 'middle' is not far or near"},
        {{"--measure", "a.sd", "--head-tilt", "-45.5"},
         "the head tilt '-45.5' is not degrees from -45 to 45 (right ear down positive)"},
        {{"--measure", "a.sd", "--head-turn=x"},
         "the head turn 'x' is not degrees from -45 to 45 (face to the right positive)"},
        {{"--hess", "a.sd", "a.svg", "--head-tilt", "10"}, "--head-tilt works only with --measure"},
        {{"--measure", "a.sd", "--fixing", "both"}, "the fixing eye 'both' is not right or left"},
        {{"--measure", "a.sd", "--prism", "right:0:out"},
         "the prism 'right:0:out' is not right|left:POWER:out|in|up|down with POWER from 1 to 50"},
        {{"--measure", "a.sd", "--prism", "right:51:out"},
         "the prism 'right:51:out' is not right|left:POWER:out|in|up|down with POWER from 1 to 50"},
        {{"--measure", "a.sd", "--prism", "up:10:out"},
         "the prism 'up:10:out' is not right|left:POWER:out|in|up|down with POWER from 1 to 50"},
        {{"--measure", "a.sd", "--prism", "left:10:sideways"},
         "the prism 'left:10:sideways' is not right|left:POWER:out|in|up|down with POWER from 1 to 50"},
        {{"--measure", "a.sd", "--prism", "left:10:in", "--prism", "left:2:up"},
         "--prism is given twice for the left eye"},
        {{"--measure", "a.sd", "--eccentricity", "20"}, "--eccentricity works with --measure only with --table"},
        {{"--measure", "a.sd", "--table", "--eccentricity", "50"},
         "the eccentricity '50' is not a whole number of degrees from 5 to 40"},
        {{"--convert", "a.txt", "b.stx", "--repair"}, "--repair needs a quality threshold"},
        {{"--convert", "a.txt", "b.stx", "--repair", "0"},
         "the quality threshold '0' is not a number above 0 and at most 1"},
        {{"--convert", "a.txt", "b.stx", "--repair", "1.5"},
         "the quality threshold '1.5' is not a number above 0 and at most 1"},
        {{"--convert", "a.txt", "b.stx", "--repair", "0.5.5"},
         "the quality threshold '0.5.5' is not a number above 0 and at most 1"},
        {{"--convert", "a.txt", "b.stx", "--repair", "+0.5"},
         "the quality threshold '+0.5' is not a number above 0 and at most 1"},
    };
    for (const auto& [arguments, message] : cases) {
        const CommandLine command = Parse(arguments);
        EXPECT_EQ(command.action, Action::UsageError) << message;
        EXPECT_EQ(command.error, message);
    }
}

// Laid out as other tools' help: every option's description starts in one
// column, within 80 columns, and the notes come after the options.
TEST(CommandLine, HelpAlignsTheOptionsAndPutsTheNotesAfterThem)
{
    std::istringstream help(UsageText());
    std::string line;
    std::size_t descriptionColumn = 0;
    int options = 0;
    bool inOptions = false, notesSeen = false;
    while (std::getline(help, line)) {
        EXPECT_LE(line.size(), 80u) << line;
        if (line == "Options:") {
            inOptions = true;
            continue;
        }
        if (!inOptions)
            continue;
        if (line.empty()) {
            notesSeen = options > 0;
            continue;
        }
        if (notesSeen) {
            EXPECT_NE(line.rfind("  -", 0), 0u) << "an option after the notes: " << line;
            continue;
        }
        const std::size_t text = line.find_first_not_of(' ');
        ASSERT_NE(text, std::string::npos);
        const std::size_t description = line[text] == '-' ? line.find("  ", text) : text;
        ASSERT_NE(description, std::string::npos) << line;
        const std::size_t column = line.find_first_not_of(' ', description);
        if (descriptionColumn == 0)
            descriptionColumn = column;
        EXPECT_EQ(column, descriptionColumn) << line;
        options += line[text] == '-';
    }
    EXPECT_EQ(options, 17);
    EXPECT_TRUE(notesSeen);
}

// An installed program seeds the user's folder and works there, and names
// given on its command line still count from where it was started.
TEST(CommandLine, InstalledProgramWorksInTheUsersFolderAndKeepsTheStartFolder)
{
    namespace fs = std::filesystem;
    const fs::path started = fs::current_path();
    const fs::path root = MakeTempFolder("enter-");
    Spit(root / "share" / "English.lan", "texts");
    std::string startFolder;
    std::string error;
    ASSERT_TRUE(EnterWorkingFolder(root / "share", root / "home", startFolder, error)) << error;
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root / "home"));
    EXPECT_TRUE(fs::exists("English.lan"));
    EXPECT_EQ(startFolder, started.u8string());

    // A launcher's start folder stays; a folder that cannot be made or entered is told.
    startFolder = "/launched/from";
    fs::current_path(started);
    ASSERT_TRUE(EnterWorkingFolder(root / "share", root / "home", startFolder, error)) << error;
    EXPECT_EQ(startFolder, "/launched/from");
    fs::current_path(started);
    EXPECT_FALSE(EnterWorkingFolder(root / "share", "", startFolder, error));
    EXPECT_NE(error.find("names no folder"), std::string::npos) << error;
    Spit(root / "in-the-way", "a file");
    EXPECT_FALSE(EnterWorkingFolder(root / "share", root / "in-the-way", startFolder, error));
    EXPECT_NE(error.find((root / "in-the-way").string()), std::string::npos) << error;
    EXPECT_TRUE(fs::equivalent(fs::current_path(), started));
    fs::remove_all(root);
}

TEST(CommandLine, NamesAreTakenFromTheStartFolderAndOpenedByKind)
{
    // Compared as paths: Windows joins with its own separator.
    using std::filesystem::path;
    EXPECT_EQ(path(ResolveFromStartFolder("cases/a.sd", "/home/t/work")), path("/home/t/work/cases/a.sd"));
    EXPECT_EQ(path(ResolveFromStartFolder("/data/a.sd", "/home/t/work")), path("/data/a.sd"));
    EXPECT_EQ(ResolveFromStartFolder("a.sd", ""), "a.sd");
    EXPECT_EQ(ResolveFromStartFolder("", "/home/t/work"), "");
    // Names arrive in UTF-8 on every system, whatever its code page holds.
    const std::string separator(1, static_cast<char>(path::preferred_separator));
    EXPECT_EQ(ResolveFromStartFolder("\xCE\x94/a.sd", "/\xC3\x84rzte").u8string(),
              separator + "\xC3\x84rzte" + separator + "\xCE\x94" + separator + "a.sd");

    EXPECT_EQ(KindOfFile("/x/a.sd"), FileKind::Case);
    EXPECT_EQ(KindOfFile("a.txt"), FileKind::Recording);
    EXPECT_EQ(KindOfFile("a.stx"), FileKind::Recording);
    EXPECT_EQ(KindOfFile("a.sqs"), FileKind::Quiz);
    // The program tells kinds apart case-sensitively, as its file dialogs do.
    EXPECT_EQ(KindOfFile("a.SD"), FileKind::Unknown);
    EXPECT_EQ(KindOfFile("notes.pdf"), FileKind::Unknown);
}

}  // namespace
