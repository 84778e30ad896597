#include "settings/WindowTitle.h"

#include <gtest/gtest.h>

namespace {

TEST(CaseTitle, UnnamedCaseShowsOnlyTheModifiedMark)
{
    EXPECT_EQ(ComposeTitle("Squinx", "", false), "Squinx");
    EXPECT_EQ(ComposeTitle("Squinx", "", true), "Squinx [*]");
}

TEST(CaseTitle, NamedCaseShowsItsPathAndMark)
{
    EXPECT_EQ(ComposeTitle("Squinx", "C:\\a.sd", true), "Squinx [C:\\a.sd*]");
    EXPECT_EQ(ComposeTitle("Squinx", "C:\\a.sd", false), "Squinx [C:\\a.sd]");
    // Text that looks like a format directive is shown as it is.
    EXPECT_EQ(ComposeTitle("%s%n", "/tmp/%d.sd", false), "%s%n [/tmp/%d.sd]");
}

TEST(CaseTitle, LongPathsKeepTheirLastFortyCharacters)
{
    const std::string tail = "/cases/strabismus/convergent/patient.sd";
    const std::string exactly40 = std::string(40 - tail.size(), 'x') + tail;
    ASSERT_EQ(exactly40.size(), 40u);
    EXPECT_EQ(ComposeTitle("T", exactly40, false), "T [" + exactly40 + "]");

    const std::string fifty = "0123456789" + exactly40;
    EXPECT_EQ(ComposeTitle("T", fifty, true), "T [..." + exactly40 + "*]");
    EXPECT_EQ(ComposeTitle("T", "y" + exactly40, false), "T [..." + exactly40 + "]");
}

TEST(PlaybackTitle, ShowsTheRecordingAndItsOwnModifiedMark)
{
    EXPECT_EQ(ComposePlaybackTitle("Squinx", "/data/run1.stx", true), "Squinx [/data/run1.stx*]");
    EXPECT_EQ(ComposePlaybackTitle("Squinx", "/data/run1.stx", false), "Squinx [/data/run1.stx]");
    const std::string longName = std::string(30, 'r') + "/recordings/session-04.txt";
    EXPECT_EQ(ComposePlaybackTitle("T", longName, false), "T [..." + longName.substr(longName.size() - 40) + "]");
}

}  // namespace
