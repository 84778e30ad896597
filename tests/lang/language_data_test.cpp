// Checks the shipped language files against the numbers the program uses.

#include "lang/FormatCheck.h"
#include "lang/LanguageTable.h"
#include "lang/TextIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

// Every "constexpr int Name = N;" of TextIds.h, read from the source so that
// a constant added there is checked here without a second list to maintain.
std::map<std::string, int> NamedTextIds()
{
    std::ifstream in(SQUINX_LANG_SOURCE_DIR "/TextIds.h");
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    std::map<std::string, int> ids;
    const std::regex constant(R"(constexpr int (\w+) = (\d+);)");
    for (std::sregex_iterator it(source.begin(), source.end(), constant), end; it != end; ++it)
        ids[(*it)[1]] = std::stoi((*it)[2]);
    return ids;
}

// A two-byte UTF-8 sequence, as an editor saving umlauts as UTF-8 writes them.
bool LooksLikeUtf8(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xC2 && lead <= 0xDF && next >= 0x80 && next <= 0xBF)
            return true;
    }
    return false;
}

struct ShippedLanguage {
    const char* file;
    const char* helpBook;
};

class ShippedLanguageTest : public ::testing::TestWithParam<ShippedLanguage> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(table.Load(std::string(SQUINX_DATA_DIR) + "/" + GetParam().file)) << table.LastError();
    }

    LanguageTable table;
};

TEST(TextIds, NameEachNumberOnceWithinTheFile)
{
    const auto ids = NamedTextIds();
    ASSERT_GE(ids.size(), 100u) << "TextIds.h could not be read";
    std::map<int, std::string> names;
    for (const auto& [name, id] : ids) {
        EXPECT_GE(id, 1) << name;
        EXPECT_LE(id, Text::LastId) << name;
        const auto [it, fresh] = names.emplace(id, name);
        EXPECT_TRUE(fresh) << id << " is named both " << it->second << " and " << name;
    }
}

TEST_P(ShippedLanguageTest, DefinesEveryNamedString)
{
    ASSERT_GE(table.Size(), static_cast<std::size_t>(Text::LastId));
    for (const auto& [name, id] : NamedTextIds())
        EXPECT_FALSE(table.Get(id).empty()) << name << " (" << id << ")";
}

TEST_P(ShippedLanguageTest, FormatStringsHoldTheirOneConversion)
{
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::PlaybackTimeFormat), FormatArg::Floating));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::RepairConfirmFormat), FormatArg::Floating));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::FileOpenErrorFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::LanguageLoadErrorFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::SaveFailedFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::SaveChangesToFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::ReplaceFileFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::MuscleFileRefusedFormat), FormatArg::String));
    EXPECT_TRUE(IsSafeSingleArgFormat(table.Get(Text::NoBrowserFormat), FormatArg::String));
}

// A '%' anywhere else would turn into garbage if a caller passed the text as
// a format by mistake.
TEST_P(ShippedLanguageTest, OtherStringsHoldNoPercentSign)
{
    const int formats[] = {Text::PlaybackTimeFormat,      Text::RepairConfirmFormat,     Text::FileOpenErrorFormat,
                           Text::LanguageLoadErrorFormat, Text::SaveFailedFormat,        Text::SaveChangesToFormat,
                           Text::ReplaceFileFormat,       Text::MuscleFileRefusedFormat, Text::NoBrowserFormat};
    for (int id = 1; id <= static_cast<int>(table.Size()); ++id) {
        if (std::find(std::begin(formats), std::end(formats), id) == std::end(formats)) {
            EXPECT_EQ(table.Get(id).find('%'), std::string::npos) << id << ": " << table.Get(id);
        }
    }
}

TEST_P(ShippedLanguageTest, TextsAlsoShownAsTooltipOrTitleHaveNoMnemonic)
{
    for (int id : {Text::SaveCaseAsMenu, Text::EyeCrossToggle, Text::DisplayOptions})
        EXPECT_EQ(table.Get(id).find('&'), std::string::npos) << id << ": " << table.Get(id);
}

TEST_P(ShippedLanguageTest, IsLatin1NotUtf8)
{
    for (int id = 1; id <= static_cast<int>(table.Size()); ++id)
        EXPECT_FALSE(LooksLikeUtf8(table.Get(id))) << id << ": " << table.Get(id);
}

TEST_P(ShippedLanguageTest, NamesItsHelpBook)
{
    EXPECT_EQ(table.Get(Text::HelpBook), GetParam().helpBook);
    EXPECT_EQ("help/" + table.Get(Text::LanguageCode) + "/squinx.hhp", GetParam().helpBook);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguageTest,
                         ::testing::Values(ShippedLanguage{"Deutsch.lan", "help/de/squinx.hhp"},
                                           ShippedLanguage{"English.lan", "help/en/squinx.hhp"}),
                         [](const auto& info) { return std::string(info.param.file).substr(0, 7); });

TEST(ShippedGerman, WritesUmlautsAsSingleBytes)
{
    LanguageTable table;
    ASSERT_TRUE(table.Load(std::string(SQUINX_DATA_DIR) + "/Deutsch.lan")) << table.LastError();
    EXPECT_NE(table.Get(Text::ThresholdBox).find('\xE4'), std::string::npos) << table.Get(Text::ThresholdBox);
}

}  // namespace
