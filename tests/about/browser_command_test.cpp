#include "about/BrowserCommand.h"

#include <gtest/gtest.h>

TEST(SubstituteBrowserCommand, QuotedPlaceholderReceivesTheAddress)
{
    EXPECT_EQ(SubstituteBrowserCommand(R"("C:\Program Files\Browser\browser.exe" -osint -url "%1")",
                                       "https://example.org/page"),
              R"("C:\Program Files\Browser\browser.exe" -osint -url "https://example.org/page")");
}

TEST(SubstituteBrowserCommand, EveryPlaceholderIsReplaced)
{
    EXPECT_EQ(SubstituteBrowserCommand("open %1 --title=%1", "a.org"), "open a.org --title=a.org");
    EXPECT_EQ(SubstituteBrowserCommand("%1%1", "x"), "xx");
}

TEST(SubstituteBrowserCommand, WithoutPlaceholderTheAddressIsAppendedWithoutBlank)
{
    EXPECT_EQ(SubstituteBrowserCommand(R"("C:\browser.exe" -nohome)", "squinx.example"),
              R"("C:\browser.exe" -nohomesquinx.example)");
    // "%2" and a lone "%" are no placeholders.
    EXPECT_EQ(SubstituteBrowserCommand("browser %2 100%", "a.org"), "browser %2 100%a.org");
}

TEST(SubstituteBrowserCommand, NoRegisteredBrowserLeavesTheAddressAlone)
{
    EXPECT_EQ(SubstituteBrowserCommand("", "file:///tmp/help/en/index.html"), "file:///tmp/help/en/index.html");
}

TEST(SubstituteBrowserCommand, PlaceholderInsideTheAddressIsNotSubstitutedAgain)
{
    EXPECT_EQ(SubstituteBrowserCommand("b \"%1\"", "x.org/?q=%1"), "b \"x.org/?q=%1\"");
    EXPECT_EQ(SubstituteBrowserCommand("b", "%1"), "b%1");
}

TEST(HelpStartPage, IndexPageBesideTheHelpBook)
{
    EXPECT_EQ(HelpStartPage("help/en/squinx.hhp"), "help/en/index.html");
    EXPECT_EQ(HelpStartPage("help\\de\\squinx.hhp"), "help\\de\\index.html");
    EXPECT_EQ(HelpStartPage("squinx.hhp"), "index.html");
    EXPECT_EQ(HelpStartPage(""), "index.html");
    EXPECT_EQ(HelpStartPage("--NOT DEFINED--"), "index.html");
}
