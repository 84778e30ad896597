#include "cli/NineCommand.h"

#include "cli/CaseExamination.h"
#include "cli/ProgramChoices.h"
#include "model/MuscleStrengths.h"

#include "../support/PortableTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// What a rectangle of the sheet holds: the pupils' and irises' dark pixels,
// the globes' bright ones, and the label band's frame colour.
struct Pixels {
    int dark = 0;
    int bright = 0;
    int band = 0;
};

Pixels Within(const RgbPicture& sheet, int left, int top, int width, int height)
{
    Pixels pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) {
            const unsigned char* p = &sheet.rgb[(static_cast<std::size_t>(y) * sheet.width + x) * 3];
            pixels.dark += p[0] < 20 && p[1] < 20 && p[2] < 20;
            pixels.bright += p[0] > 150 && p[1] > 150 && p[2] > 150 && !(p[0] == 220 && p[1] == 220 && p[2] == 220);
            pixels.band += p[0] == 220 && p[1] == 220 && p[2] == 220;
        }
    return pixels;
}

class NineSheetTest : public testing::Test {
protected:
    void SetUp() override
    {
#ifdef _WIN32
        GTEST_SKIP() << "Windows draws the sheet through a hidden window; the Windows smoke test compares it";
#endif
        // Drawn where no display is named at all, and on the test's own
        // thread, which LeakSanitizer's stop-the-world copes with.
        UnsetEnvironment("DISPLAY");
        UnsetEnvironment("WAYLAND_DISPLAY");
        SetEnvironment("LP_NUM_THREADS", "0");
        std::string error;
        m_gl = OffscreenGl::Create(kNineViewWidth, kNineViewHeight, error);
        ASSERT_TRUE(m_gl) << error;
        ASSERT_TRUE(LoadProgramChoices(SQUINX_DATA_DIR, m_choices, error)) << error;
        std::string musclesRefused;
        ASSERT_TRUE(OpenCaseExamination(std::string(SQUINX_DATA_DIR) + "/cases/sixth-nerve-palsy-right.sd",
                                        m_choices.settings, m_palsy, musclesRefused));
        ASSERT_EQ(musclesRefused, "");
    }

    RgbPicture Sheet(const Examination& examination)
    {
        bool textureLoaded = true;
        return DrawNineSheet(*m_gl, examination, m_choices.settings, 25, "cannot fixate", textureLoaded);
    }

    int PanelWidth(const RgbPicture& sheet) const
    {
        return (sheet.width - 4 * kNinePanelGap) / 3;
    }
    int PanelHeight(const RgbPicture& sheet) const
    {
        return (sheet.height - 4 * kNinePanelGap) / 3;
    }
    int Left(const RgbPicture& sheet, int column) const
    {
        return kNinePanelGap + column * (PanelWidth(sheet) + kNinePanelGap);
    }
    int Top(const RgbPicture& sheet, int row) const
    {
        return kNinePanelGap + row * (PanelHeight(sheet) + kNinePanelGap);
    }

    std::unique_ptr<OffscreenGl> m_gl;
    ProgramChoices m_choices;
    Examination m_palsy;
};

// The sheet the window has always drawn for the shipped settings, each
// panel showing both eyes: a white globe and a dark pupil in each half.
TEST(OpenCaseExamination, RefusesAMissingFileAndOneThatIsNoCase)
{
    Examination examination;
    std::string musclesRefused;
    for (const char* name : {"/cases/missing.sd", "/English.lan", "/cases/sixth-nerve-palsy-left.sd.muscles"})
        EXPECT_FALSE(OpenCaseExamination(std::string(SQUINX_DATA_DIR) + name, Settings{}, examination, musclesRefused))
            << name;
}

TEST_F(NineSheetTest, DrawsBothEyesInEveryPanel)
{
    const RgbPicture sheet = Sheet(m_palsy);
    ASSERT_EQ(sheet.width, 975);
    ASSERT_EQ(sheet.height, 486);
    const int half = PanelWidth(sheet) / 2;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            for (int side = 0; side < 2; ++side) {
                const Pixels eye =
                    Within(sheet, Left(sheet, column) + side * half, Top(sheet, row), half, PanelHeight(sheet));
                EXPECT_GT(eye.dark, 200) << "row " << row << ", column " << column << ", side " << side;
                EXPECT_GT(eye.bright, 5000) << "row " << row << ", column " << column << ", side " << side;
            }
}

// With both lateral recti weak the right eye fixes, and it cannot reach the
// positions to the patient's right (the left column): those panels carry
// the label on a band at their foot.
TEST_F(NineSheetTest, LabelsThePanelsWhoseFixingEyeCannotReachThem)
{
    MuscleStrengths bilateral;
    bilateral.Set(Eye::one, Muscle::LR, 20);
    bilateral.Set(Eye::two, Muscle::LR, 20);
    Examination examination = m_palsy;
    examination.SetMuscles(bilateral);
    const RgbPicture sheet = Sheet(examination);
    constexpr int kFootRows = 8;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const Pixels foot = Within(sheet, Left(sheet, column), Top(sheet, row) + PanelHeight(sheet) - kFootRows,
                                       PanelWidth(sheet), kFootRows);
            const Pixels band =
                Within(sheet, Left(sheet, column), Top(sheet, row) + PanelHeight(sheet) - 24, PanelWidth(sheet), 24);
            if (column == 0) {
                EXPECT_GT(foot.band, PanelWidth(sheet) * kFootRows / 2) << "row " << row;
                EXPECT_GT(band.dark, 30) << "row " << row << ": the label's letters";
                // The band's top, found up the panel's left edge, and the letters' first and last rows:
                // as much room above the letters as below them.
                const int bottom = Top(sheet, row) + PanelHeight(sheet);
                int top = bottom;
                while (Within(sheet, Left(sheet, column), top - 1, 1, 1).band == 1)
                    --top;
                int firstInk = bottom, lastInk = top;
                for (int y = top; y < bottom; ++y)
                    if (Within(sheet, Left(sheet, column), y, PanelWidth(sheet), 1).dark > 0) {
                        firstInk = std::min(firstInk, y);
                        lastInk = y;
                    }
                EXPECT_NEAR(firstInk - top, bottom - 1 - lastInk, 3)
                    << "row " << row << ": band " << top << ".." << bottom;
            } else {
                EXPECT_EQ(foot.band, 0) << "row " << row << ", column " << column;
            }
        }
}

}  // namespace
