#include "cli/MeasureTable.h"

#include "cli/CaseExamination.h"

#include "lang/LanguageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

MeasureWords WordsOf(const std::string& languageFile)
{
    LanguageTable texts;
    EXPECT_TRUE(texts.Load(std::string(SQUINX_DATA_DIR) + "/" + languageFile)) << texts.LastError();
    return MeasureWordsOf(texts);
}

// A right esotropia with a left hypotropia and an excyclodeviation, the left eye fixing.
Measurement Esotropia(GazeTarget gaze)
{
    Measurement m;
    m.gaze = gaze;
    m.fixing = Eye::two;
    m.eyes[0] = {gaze.right - 10.5, gaze.up, -1.0};
    m.eyes[1] = {gaze.right, gaze.up - 2.0, -2.0};
    m.inward = 10.5;
    m.upward = -2.0;
    m.incyclo = -3.0;
    m.coverMovement = {10.5, 0.04};
    return m;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(MeasureTable, PlainTextIsAlignedInTheLanguagesWordsAndDecimalMark)
{
    const std::string german = PlainMeasurements({Esotropia({25, -25})}, WordsOf("Deutsch.lan"));
    const std::vector<std::string> lines = Lines(german);
    ASSERT_EQ(lines.size(), 6u) << german;
    EXPECT_EQ(lines[0], "Blickrichtung +25,0\u00B0, -25,0\u00B0   F\u00FChrungsauge: L");
    const std::size_t vertical = lines[1].find("Vertikal");
    ASSERT_NE(vertical, std::string::npos);
    EXPECT_EQ(lines[4].rfind("Abweichung", 0), 0u);
    EXPECT_NE(lines[4].find("10,5\u00B0 18,5 pdpt eso"), std::string::npos) << lines[4];
    EXPECT_NE(lines[4].find("2,0\u00B0 3,5 pdpt hypo"), std::string::npos) << lines[4];
    EXPECT_NE(lines[4].find("3,0\u00B0 Exzyklo"), std::string::npos) << lines[4];
    EXPECT_NE(lines[5].find("R 10,5\u00B0, L 0,0\u00B0"), std::string::npos) << lines[5];
    // Aligned as a terminal shows them: in characters, not bytes.
    const auto column = [](const std::string& line, std::size_t byte) {
        return std::count_if(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(byte),
                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    };
    EXPECT_EQ(column(lines[2], lines[2].find("-25,0")), column(lines[1], vertical)) << lines[2];
    EXPECT_EQ(column(lines[3], lines[3].find("-27,0")), column(lines[1], vertical)) << lines[3];
    EXPECT_EQ(column(lines[4], lines[4].find("2,0\u00B0 3,5")), column(lines[1], vertical)) << lines[4];
    // Three spaces part each column from the widest cell before it.
    const std::vector<std::string> english = Lines(PlainMeasurements({Esotropia({25, -25})}, WordsOf("English.lan")));
    ASSERT_EQ(english.size(), 6u);
    EXPECT_EQ(english[1].find("Horizontal"), std::string("Alternate cover   ").size()) << english[1];

    // A deviation that rounds to zero has no direction and no prism value.
    Measurement straight = Esotropia({});
    straight.inward = 0.04;
    straight.upward = 0;
    straight.incyclo = 0;
    straight.cannotFixate = true;
    straight.cannotTakeUpFixation = {true, false};
    // A head held other than straight is named, with the sign of its direction.
    straight.head = {-20, 0, 0};
    const std::string twoBlocks = PlainMeasurements({straight, straight}, WordsOf("English.lan"));
    EXPECT_EQ(Lines(twoBlocks)[0], "Gaze +0.0°, +0.0°   Fixing eye: L   Head turn -20.0°   (cannot fixate)");
    EXPECT_TRUE(std::regex_search(twoBlocks, std::regex("\nDeviation +0\\.0\u00B0 +0\\.0\u00B0 +0\\.0\u00B0\n")))
        << twoBlocks;
    EXPECT_NE(twoBlocks.find("   (cannot fixate)\n"), std::string::npos) << twoBlocks;
    EXPECT_NE(twoBlocks.find("L 0.0\u00B0   (R: cannot fixate)\n"), std::string::npos) << twoBlocks;
    EXPECT_EQ(Lines(twoBlocks).size(), 13u) << "two blocks and a blank line between them";
}

TEST(MeasureTable, TabSeparatedHasAHeaderAndTheSameColumnsInEveryRow)
{
    const std::string tsv = TabSeparatedMeasurements({Esotropia({25, 25}), Esotropia({0, 0})}, WordsOf("English.lan"));
    const std::vector<std::string> lines = Lines(tsv);
    ASSERT_EQ(lines.size(), 3u);
    const auto columns = [](const std::string& line) { return std::count(line.begin(), line.end(), '\t') + 1; };
    EXPECT_EQ(columns(lines[0]), 22);
    EXPECT_EQ(lines[0].rfind("gaze_right\tgaze_up\tfixing_eye\t", 0), 0u);
    for (const std::string& line : lines)
        EXPECT_EQ(columns(line), columns(lines[0])) << line;
    EXPECT_EQ(lines[1], "+25.0\t+25.0\tL\t0\t+14.5\t+25.0\t-1.0\t+25.0\t+23.0\t-2.0\t"
                        "+10.5\t18.5\teso\t-2.0\t3.5\thypo\t-3.0\tExcyclo\t10.5\t0.0\t0\t0");

    // Both sides of the end of what prisms measure.
    Measurement far = Esotropia({0, 0});
    far.inward = 90.0;
    far.upward = -89.9;
    const std::string farRow = Lines(TabSeparatedMeasurements({far}, WordsOf("English.lan"))).at(1);
    EXPECT_NE(farRow.find("\t+90.0\tbeyond measurement\teso\t-89.9\t57295.7\thypo\t"), std::string::npos) << farRow;

    // Both sides of rounding to zero: a twentieth of a degree is named, less
    // is not, though its prism value may still round up.
    Measurement slight = Esotropia({0, 0});
    slight.inward = 0.05;
    slight.upward = -0.049;
    const std::string slightRow = Lines(TabSeparatedMeasurements({slight}, WordsOf("English.lan"))).at(1);
    EXPECT_NE(slightRow.find("\t+0.1\t0.1\teso\t+0.0\t0.1\t\t"), std::string::npos) << slightRow;
}

TEST(MeasureTable, DeviationLineOfAShippedPalsyInBothLanguages)
{
    Examination palsy;
    std::string refused;
    ASSERT_TRUE(OpenCaseExamination(std::string(SQUINX_DATA_DIR) + "/cases/fourth-nerve-palsy-right.sd", Settings{},
                                    palsy, refused));
    ASSERT_TRUE(refused.empty()) << refused;
    palsy.SetDistance(kBlendSliderFar);
    // Down and to the patient's left, where the right superior oblique acts; the
    // figures are those of squinx --measure --distance far --gaze -20,-20 --fixing left.
    const Measurement measured = MeasureByPrismCover(palsy, {-20, -20});
    EXPECT_EQ(DeviationLine(measured, WordsOf("English.lan")),
              "Deviation: 1.5\u00B0 2.5 PD eso, 12.9\u00B0 23.0 PD R hyper   Fixing eye: L");
    EXPECT_EQ(DeviationLine(measured, WordsOf("Deutsch.lan")),
              "Abweichung: 1,5\u00B0 2,5 pdpt eso, 12,9\u00B0 23,0 pdpt R hyper   F\u00FChrungsauge: L");
    // Straight ahead the eso is under a degree and still named (--gaze 0,0 --fixing left).
    EXPECT_EQ(DeviationLine(MeasureByPrismCover(palsy, {0, 0}), WordsOf("English.lan")),
              "Deviation: 0.9\u00B0 1.5 PD eso, 6.6\u00B0 11.5 PD R hyper   Fixing eye: L");
}
