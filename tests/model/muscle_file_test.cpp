#include "model/MuscleFile.h"

#include "../lang/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

MuscleStrengths Sample()
{
    MuscleStrengths s;
    s.Set(Eye::one, Muscle::LR, 20);
    s.Set(Eye::two, Muscle::IO, 0);
    return s;
}

std::string Header()
{
    return std::string(kMuscleFileHeader) + "\n";
}

}  // namespace

TEST(MuscleFile, WritesOnlyWeakMusclesAndReadsThemBack)
{
    EXPECT_EQ(EncodeMuscles(Sample()), Header() + "right.LR=20\nleft.IO=0\n");
    MuscleStrengths read;
    EXPECT_EQ(DecodeMuscles(EncodeMuscles(Sample()), read).error, MuscleFileError::none);
    EXPECT_EQ(read, Sample());

    // CR LF, blanks around key and value, empty lines and a written normal strength are accepted.
    EXPECT_EQ(
        DecodeMuscles(std::string(kMuscleFileHeader) + "\r\n\r\n right.LR = 20 \r\nleft.SR=100\nleft.IO=0", read).error,
        MuscleFileError::none);
    EXPECT_EQ(read, Sample());

    // Anomalies follow the strengths under their own keys.
    MuscleStrengths anomalies = Sample();
    anomalies.SetTether(Eye::two, 68);
    anomalies.SetCoContraction(Eye::one, 40);
    const std::string text = Header() + "right.LR=20\nleft.IO=0\nright.LRcocontraction=40\nleft.SOtether=68\n";
    EXPECT_EQ(EncodeMuscles(anomalies), text);
    EXPECT_EQ(DecodeMuscles(text, read).error, MuscleFileError::none);
    EXPECT_EQ(read, anomalies);

    // Levators come last; they turn no eye but still keep the file.
    MuscleStrengths ptosis = anomalies;
    ptosis.SetLevator(Eye::one, 30);
    ptosis.SetLevator(Eye::two, 0);
    const std::string withLids = text + "right.LPS=30\nleft.LPS=0\n";
    EXPECT_EQ(EncodeMuscles(ptosis), withLids);
    EXPECT_EQ(DecodeMuscles(withLids, read).error, MuscleFileError::none);
    EXPECT_EQ(read, ptosis);
    EXPECT_EQ(DecodeMuscles(Header() + "left.LPS=100\n", read).error, MuscleFileError::none);
    EXPECT_EQ(read, MuscleStrengths{});
    // The compensatory head posture comes last; a file without one names none.
    CompensatoryHead head = HeadPosture{20, -15, 0};
    const std::string withHead = Header() + "right.LR=20\nleft.IO=0\nhead.turn=20\nhead.tilt=-15\nhead.chin=0\n";
    EXPECT_EQ(EncodeMuscles(Sample(), head), withHead);
    head.reset();
    EXPECT_EQ(DecodeMuscles(withHead, read, head).error, MuscleFileError::none);
    EXPECT_EQ(read, Sample());
    EXPECT_EQ(head, (HeadPosture{20, -15, 0}));
    EXPECT_EQ(DecodeMuscles(Header() + "head.chin=-45\n", read, head).error, MuscleFileError::none);
    EXPECT_EQ(head, (HeadPosture{0, 0, -45}));
    EXPECT_TRUE(read.AllNormal());
    EXPECT_EQ(DecodeMuscles(text, read, head).error, MuscleFileError::none);
    EXPECT_FALSE(head);
}

TEST(MuscleFile, RefusesMalformedTextAndKeepsWhatWasThere)
{
    struct Bad {
        std::string text;
        MuscleFileError error;
        int line;
    };
    const Bad cases[] = {
        {"", MuscleFileError::noHeader, 1},
        {"right.LR=20\n", MuscleFileError::noHeader, 1},
        {Header() + "right.LR 20\n", MuscleFileError::badLine, 2},
        {Header() + "\nright.XX=20\n", MuscleFileError::unknownKey, 3},
        {Header() + "RIGHT.LR=20\n", MuscleFileError::unknownKey, 2},
        {Header() + "right.LR=20\nright.LR=30\n", MuscleFileError::repeatedKey, 3},
        {Header() + "right.LR=101\n", MuscleFileError::badValue, 2},
        {Header() + "right.LR=-5\n", MuscleFileError::badValue, 2},
        {Header() + "left.SOtether=101\n", MuscleFileError::badValue, 2},
        {Header() + "left.SOtether=1\nleft.SOtether=2\n", MuscleFileError::repeatedKey, 3},
        {Header() + "right.LPS=101\n", MuscleFileError::badValue, 2},
        {Header() + "right.LPS=-1\n", MuscleFileError::badValue, 2},
        {Header() + "left.LPS=1\nleft.LPS=2\n", MuscleFileError::repeatedKey, 3},
        {Header() + "both.LPS=20\n", MuscleFileError::unknownKey, 2},
        {Header() + "right.LR=20.5\n", MuscleFileError::badValue, 2},
        {Header() + "right.LR=0050\n", MuscleFileError::badValue, 2},
        {Header() + "right.LR=\n", MuscleFileError::badValue, 2},
        {Header() + "right.LR=99999999999999999999\n", MuscleFileError::badValue, 2},
        {Header() + "head.turn=46\n", MuscleFileError::badHeadAngle, 2},
        {Header() + "head.tilt=-46\n", MuscleFileError::badHeadAngle, 2},
        {Header() + "head.tilt=left\n", MuscleFileError::badHeadAngle, 2},
        {Header() + "head.chin=1.5\n", MuscleFileError::badHeadAngle, 2},
        {Header() + "head.chin=-\n", MuscleFileError::badHeadAngle, 2},
        {Header() + "head.turn=5\nhead.turn=5\n", MuscleFileError::repeatedKey, 3},
        {Header() + "head.roll=5\n", MuscleFileError::unknownKey, 2},
    };
    const CompensatoryHead keptHead = HeadPosture{1, 2, 3};
    for (const Bad& bad : cases) {
        MuscleStrengths kept = Sample();
        CompensatoryHead head = keptHead;
        const MuscleFileResult result = DecodeMuscles(bad.text, kept, head);
        EXPECT_EQ(result.error, bad.error) << bad.text;
        EXPECT_EQ(result.line, bad.line) << bad.text;
        EXPECT_EQ(kept, Sample()) << bad.text;
        EXPECT_EQ(head, keptHead) << bad.text;
    }
}

TEST(MuscleFile, CompanionIsWrittenBesideTheCaseAndRemovedWhenAllNormal)
{
    TempFolder folder;
    const std::string casePath = folder.Path("x.sd");
    const std::string companion = folder.Path("x.sd.muscles");
    EXPECT_EQ(MuscleFilePath(casePath), companion);

    MuscleStrengths read = Sample();
    EXPECT_EQ(LoadMuscleFile(casePath, read).error, MuscleFileError::none);
    EXPECT_TRUE(read.AllNormal());

    std::string error;
    ASSERT_TRUE(SaveMuscleFile(casePath, Sample(), error)) << error;
    EXPECT_EQ(LoadMuscleFile(casePath, read).error, MuscleFileError::none);
    EXPECT_EQ(read, Sample());

    // A ptosis alone is worth a file.
    MuscleStrengths ptosis;
    ptosis.SetLevator(Eye::two, 40);
    ASSERT_TRUE(SaveMuscleFile(casePath, ptosis, error)) << error;
    EXPECT_EQ(LoadMuscleFile(casePath, read).error, MuscleFileError::none);
    EXPECT_EQ(read, ptosis);

    ASSERT_TRUE(SaveMuscleFile(casePath, MuscleStrengths{}, error)) << error;
    EXPECT_FALSE(std::filesystem::exists(companion));
    ASSERT_TRUE(SaveMuscleFile(casePath, MuscleStrengths{}, error)) << error;

    // A head posture alone keeps the companion; loading names it, and a case without one has none.
    ASSERT_TRUE(SaveMuscleFile(casePath, MuscleStrengths{}, HeadPosture{-20, 0, 0}, error)) << error;
    CompensatoryHead head;
    EXPECT_EQ(LoadMuscleFile(casePath, read, head).error, MuscleFileError::none);
    EXPECT_EQ(head, (HeadPosture{-20, 0, 0}));
    ASSERT_TRUE(SaveMuscleFile(casePath, MuscleStrengths{}, std::nullopt, error)) << error;
    EXPECT_FALSE(std::filesystem::exists(companion));
    EXPECT_EQ(LoadMuscleFile(casePath, read, head).error, MuscleFileError::none);
    EXPECT_FALSE(head);

    // A huge file is refused before it is read.
    folder.Write("x.sd.muscles", Header() + std::string(kLargestMuscleFile, '\n'));
    read = Sample();
    EXPECT_EQ(LoadMuscleFile(casePath, read).error, MuscleFileError::unreadable);
    EXPECT_EQ(read, Sample());

    // A folder in the companion's place cannot be written over.
    std::filesystem::remove(companion);
    std::filesystem::create_directory(companion);
    EXPECT_FALSE(SaveMuscleFile(casePath, Sample(), error));
    EXPECT_NE(error.find("x.sd.muscles"), std::string::npos);
    EXPECT_EQ(LoadMuscleFile(casePath, read).error, MuscleFileError::unreadable);
    // Saving normal muscles removes a stale file, never a folder.
    EXPECT_TRUE(SaveMuscleFile(casePath, MuscleStrengths{}, error));
    EXPECT_TRUE(std::filesystem::is_directory(companion));
}

TEST(MuscleStrengths, HoldsPercentWithinRange)
{
    MuscleStrengths s;
    EXPECT_TRUE(s.AllNormal());
    s.Set(Eye::two, Muscle::SO, 150);
    EXPECT_EQ(s.Get(Eye::two, Muscle::SO), 100);
    EXPECT_TRUE(s.AllNormal());
    s.Set(Eye::two, Muscle::SO, -3);
    EXPECT_EQ(s.Get(Eye::two, Muscle::SO), 0);
    EXPECT_TRUE(s.EyeNormal(Eye::one));
    EXPECT_FALSE(s.EyeNormal(Eye::two));
    s.Reset();
    EXPECT_TRUE(s.AllNormal());
    s.SetTether(Eye::one, 120);
    EXPECT_EQ(s.Tether(Eye::one), 100);
    EXPECT_FALSE(s.EyeNormal(Eye::one));
    s.SetTether(Eye::one, 0);
    s.SetCoContraction(Eye::two, 130);
    EXPECT_EQ(s.CoContraction(Eye::two), 100);
    EXPECT_FALSE(s.AllNormal());
    s.Reset();
    EXPECT_EQ(s, MuscleStrengths{});
    // A weak levator droops a lid but turns no eye.
    s.SetLevator(Eye::one, -4);
    EXPECT_EQ(s.Levator(Eye::one), 0);
    EXPECT_TRUE(s.AllNormal());
    EXPECT_FALSE(s.NothingWeak());
    EXPECT_NE(s, MuscleStrengths{});
    s.SetLevator(Eye::one, 140);
    EXPECT_EQ(s.Levator(Eye::one), 100);
    EXPECT_TRUE(s.NothingWeak());
}
