#include "charts/HessLayout.h"

#include "model/MusclePresets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

HessCaptions Captions()
{
    HessCaptions captions;
    captions.title = "Case";
    captions.leftField = "Left eye";
    captions.rightField = "Right eye";
    captions.eso = "eso";
    captions.exo = "exo";
    captions.hyper = "hyper";
    captions.hypo = "hypo";
    captions.primary = "Primary position:";
    captions.prismDioptres = "PD";
    captions.convention = "As seen by the patient";
    return captions;
}

int Count(const ChartDrawing& drawing, ChartInk ink)
{
    return static_cast<int>(std::count_if(drawing.dots.begin(), drawing.dots.end(),
                                          [ink](const ChartDot& dot) { return dot.ink == ink; }));
}

} // namespace

TEST(HessLayout, BothFieldsHoldGridTargetsAndPlotsInsideThePage)
{
    Examination sixth;
    sixth.SetMuscles(PresetStrengths(MusclePreset::sixthNervePalsy, Eye::one));
    const HessField left = HessFieldOf(Eye::two, sixth);
    const HessField right = HessFieldOf(Eye::one, sixth);
    const ChartDrawing drawing = LayOutHessChart(left, right, Captions());

    EXPECT_EQ(Count(drawing, ChartInk::target), 2 * kHessTargetCount);
    EXPECT_EQ(Count(drawing, ChartInk::plot), 2 * kHessTargetCount);
    const auto lines = [&](ChartInk ink) {
        return std::count_if(drawing.lines.begin(), drawing.lines.end(), [ink](const ChartLine& l) { return l.ink == ink; });
    };
    EXPECT_EQ(lines(ChartInk::grid), 2 * 2 * 18);  // 5-degree lines out to 45 on both sides, both ways, both fields
    EXPECT_EQ(lines(ChartInk::axis), 2 * 2);
    EXPECT_EQ(lines(ChartInk::plot), 2 * 2 * kHessRingSize) << "two closed rings per field";
    for (const ChartDot& dot : drawing.dots) {
        EXPECT_GT(dot.x, 0);
        EXPECT_LT(dot.x, kHessPageWidth);
        EXPECT_GT(dot.y, 0);
        EXPECT_LT(dot.y, kHessPageHeight);
    }
    // The left eye's field comes first and lies on the left of the page; its
    // centre plot lies right of the right field's by more than the gap between the grids.
    std::vector<ChartDot> plots;
    std::copy_if(drawing.dots.begin(), drawing.dots.end(), std::back_inserter(plots),
                 [](const ChartDot& dot) { return dot.ink == ChartInk::plot; });
    EXPECT_LT(plots[0].x, kHessPageWidth / 2);
    EXPECT_GT(plots[kHessTargetCount].x, kHessPageWidth / 2);
    const std::vector<ChartDot>& targets = drawing.dots;
    EXPECT_GT(plots[0].x - targets[0].x, 0) << "the left eye points nasally: to the patient's right";
    EXPECT_LT(plots[kHessTargetCount].x - targets[2 * kHessTargetCount].x, 0);
}

TEST(HessLayout, PrimaryDeviationIsWrittenInDegreesAndPrismDioptres)
{
    EXPECT_EQ(PrimaryDeviationText({8.8, -2.0}, Captions()),
              "Primary position: 8.8\xC2\xB0 (15.5 PD) eso, 2.0\xC2\xB0 (3.5 PD) hypo");
    EXPECT_EQ(PrimaryDeviationText({-5.0, 0.01}, Captions()),
              "Primary position: 5.0\xC2\xB0 (8.7 PD) exo, 0.0\xC2\xB0");
}
