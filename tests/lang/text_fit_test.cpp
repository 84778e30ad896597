#include "lang/TextFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

std::size_t LongestLine(const std::wstring& text)
{
    std::wistringstream lines(text);
    std::size_t longest = 0;
    for (std::wstring line; std::getline(lines, line);)
        longest = std::max(longest, line.size());
    return longest;
}

std::size_t LineCount(const std::wstring& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')) + 1;
}

TEST(TextFit, TextsThatFitAreUnchanged)
{
    const std::wstring text = L"Datei 'a.sd' ersetzen?\nZweite Zeile";
    EXPECT_EQ(FitText(text, {40, 5}, true), text);
    EXPECT_EQ(FitText(text, {40, 5}, false), text);
    EXPECT_EQ(CutMiddle(L"/tmp/a.sd", 9), L"/tmp/a.sd");
}

TEST(TextFit, PathsAreCutInTheMiddle)
{
    const std::wstring path = L"/home/teacher/" + std::wstring(5000, L'x') + L"/case.sd";
    const std::wstring cut = CutMiddle(path, 41);
    EXPECT_EQ(cut.size(), 41u);
    EXPECT_EQ(cut.substr(0, 14), L"/home/teacher/");
    EXPECT_EQ(cut.substr(cut.size() - 8), L"/case.sd");
    EXPECT_NE(cut.find(L'\u2026'), std::wstring::npos);
    EXPECT_EQ(CutMiddle(L"abcdef", 4), L"a\u2026ef");
    EXPECT_EQ(CutMiddle(L"abcdef", 0), L"");
}

TEST(TextFit, LongLinesAreWrappedOrCutAndExtraLinesDropped)
{
    const std::wstring word(60000, L'W');
    const std::wstring wrapped = FitText(word, {100, 30}, true);
    EXPECT_LE(LongestLine(wrapped), 100u);
    EXPECT_EQ(LineCount(wrapped), 30u);
    EXPECT_EQ(wrapped.back(), L'\u2026');

    const std::wstring cut = FitText(word + L"\nsecond", {100, 30}, false);
    EXPECT_EQ(cut, std::wstring(99, L'W') + L'\u2026' + L"\nsecond");

    EXPECT_EQ(FitText(L"one two three", {8, 5}, true), L"one two\nthree");
    EXPECT_EQ(FitText(L"a\nb\nc\nd", {8, 2}, true), L"a\nb\u2026");
    EXPECT_EQ(FitText(L"a\nb", {0, 1}, true), L"");  // no room even for the ellipsis
}

}  // namespace
