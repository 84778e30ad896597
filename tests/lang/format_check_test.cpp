#include "lang/DecimalMark.h"
#include "lang/FormatCheck.h"

#include <gtest/gtest.h>

namespace {

TEST(IsSafeSingleArgFormat, AcceptsOneFloatingConversion)
{
    for (const char* format : {"%.2f", "x %5.1f%% y", "%f", "%+08.3e", "%G", "%a", "%-#10.0F", "100%% %g"})
        EXPECT_TRUE(IsSafeSingleArgFormat(format, FormatArg::Floating)) << format;
}

TEST(IsSafeSingleArgFormat, RejectsAnythingElseAsFloating)
{
    for (const char* format : {"%s%f", "%n", "%d", "%*f", "%.*f", "%", "abc %", "%f %f", "no conversion", "%%", "%Lf",
                               "%lf", "%1$f", "%123f", "%.123f", "%s", "%5.2", "%'f"})
        EXPECT_FALSE(IsSafeSingleArgFormat(format, FormatArg::Floating)) << format;
    EXPECT_FALSE(IsSafeSingleArgFormat(std::string("%f\0%n", 5), FormatArg::Floating));
}

TEST(IsSafeSingleArgFormat, AcceptsOnlyOnePlainStringConversionAsString)
{
    for (const char* format : {"%s", "Datei '%s' fehlt", "%-20s", "%.10s", "%%%s%%"})
        EXPECT_TRUE(IsSafeSingleArgFormat(format, FormatArg::String)) << format;
    for (const char* format : {"%f", "%s %s", "%+s", "%ls", "%S", "%c", "%0s", "%*s", "%s%", ""})
        EXPECT_FALSE(IsSafeSingleArgFormat(format, FormatArg::String)) << format;
}

TEST(FormatSingle, FormatsSafeFormatsAndFallsBackOtherwise)
{
    EXPECT_EQ(FormatSingle("t = %.2f s", 1.5, "fallback"), "t = 1.50 s");
    EXPECT_EQ(FormatSingle("%.0f%%", 98.0, "fallback"), "98%");
    EXPECT_EQ(FormatSingle("%d s", 1.5, "1.50"), "1.50");
    EXPECT_EQ(FormatSingle("%f %n", 1.5, "1.50"), "1.50");

    EXPECT_EQ(FormatSingle("File '%s' is missing", std::string("a.lan"), "fallback"), "File 'a.lan' is missing");
    EXPECT_EQ(FormatSingle("%s and %s", std::string("a.lan"), "a.lan"), "a.lan");
    EXPECT_EQ(FormatSingle("%f", std::string("a.lan"), "a.lan"), "a.lan");
}

TEST(FormatNumber, PutsTheDecimalMarkIntoTheNumberOnly)
{
    EXPECT_EQ(WithDecimalMark("14.7", ","), "14,7");
    EXPECT_EQ(WithDecimalMark("1.2.3", ","), "1,2,3");
    EXPECT_EQ(WithDecimalMark("1.5", "."), "1.5");
    EXPECT_EQ(FormatNumber("t = %.3f s.", 1.25, "fallback", ","), "t = 1,250 s.");
    EXPECT_EQ(FormatNumber("5%%. %.1f", 1.5, "fallback", ","), "5%. 1,5");
    EXPECT_EQ(FormatNumber("%%%.1f", 1.5, "fallback", ","), "%1,5");
    EXPECT_EQ(FormatNumber("%d", 1.5, "fallback", ","), "fallback");
}

TEST(FormatSingle, SizesTheResultToAnyLength)
{
    const std::string text = FormatSingle("%f", 1e300, "fallback");
    EXPECT_EQ(text.size(), 301u + 7u);
    EXPECT_EQ(text.substr(0, 4), "1000");

    const std::string longName(5000, 'n');
    EXPECT_EQ(FormatSingle("[%s]", longName, "fallback"), "[" + longName + "]");
}

}  // namespace

namespace {

// File names and other values are arguments, never formats: conversions in
// them are printed as they stand.
TEST(FormatSingle, ArgumentsAreNeverReadAsFormats)
{
    EXPECT_EQ(FormatSingle("File '%s' is missing", std::string("%n%s%d%%.lan"), "fallback"),
              "File '%n%s%d%%.lan' is missing");
}

}  // namespace
